// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

// The program's main window, on whose screen windows without an owner open;
// null while there is none.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// The screen a window belongs on: the one its owner's window is on, without an
// owner the main window's, without either the primary screen. Null only while
// no screen exists.
QScreen* ScreenOfOwner(const QWidget* owner);

// The top-left corner that centres a window of the size in the area, as
// (area − size) div 2: an even remainder does not move it a pixel left or up.
QPoint CentredIn(const QRect& area, QSize size);
