// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>

// The two hand cursors of the photo tiles, from the program's cursor resources
// (32 x 32, hotspot at the top-left corner).
QCursor OpenHandCursor();
QCursor GrabHandCursor();
