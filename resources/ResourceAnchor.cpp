// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtCore/qglobal.h>

// The catalogue lives in a static library; registering it from a function the
// program calls keeps the linker from dropping it.
void RegisterResourceCatalogue() { Q_INIT_RESOURCE(catalogue); }
