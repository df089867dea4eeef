// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>

// The one application-wide cursor that overrides every widget's own, or none.
// Unlike Qt's stack of overrides there is only ever one: setting replaces it.
void SetScreenCursor(const QCursor& cursor);
void ResetScreenCursor();
