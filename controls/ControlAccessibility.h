// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// What screen readers learn about the owner-drawn controls. Qt knows them only as
// plain widgets ("filler"); the factory installed here gives the game buttons,
// tiles, check boxes and link labels their role, name, state and actions, taken
// from the control each time they are asked for, so they always match what shows.
//
// Every control's constructor calls this; it installs the factory once.
void InstallControlAccessibility();

// The spoken name of a board tile; the controls know no language, so the
// program hands them the wording. Row and column count from 1, 0 for a tile
// that is not on the board.
using TTileNamer = QString (*)(int row, int column, bool faceUp);
void SetTileNamer(TTileNamer namer);

// Tells assistive technology that a control's name, or its state, changed.
void NotifyAccessibleNameChanged(QWidget* widget);
void NotifyAccessibleFocus(QWidget* widget);
void NotifyAccessibleStateChanged(QWidget* widget, bool checked, bool disabled);
