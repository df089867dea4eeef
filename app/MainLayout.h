// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

// The main window's geometry, kept apart from its drawing so it can be checked by number.

constexpr int MenuBarHeight = 41;
// The stone strip's height minus the three rows where it overlaps the band.
constexpr int BandGap = 445;

// The two panels of a window of this size, which is the screen's: the menu bar
// across the top, the play area below it down to the bottom row.
QRect MenuPanelRect(QSize window);
QRect PlayAreaRect(QSize window);

// Left edges of the menu bar's right-hand buttons, laid out from the right:
// exit 10 pixels from the edge, settings, high score, information and help
// touching each other, and the time display 8 pixels left of them.
struct TMenuButtonLefts {
  int Close, Setup, Highscore, Info, Help, Time;
};
struct TMenuButtonWidths {
  int Close = 26, Setup = 26, Highscore = 26, Info = 26, Help = 26, Time = 68;
};
TMenuButtonLefts LayoutMenuButtons(int panelWidth, const TMenuButtonWidths& widths = {});

// Where the embossed title's dark copy goes: centred by its width and by the
// height of its line.
QPoint TitlePosition(QSize panel, int textWidth, int textHeight);

// Height of the dark gradient band of a play area of this height (0 when it has no room).
int BandHeight(int playAreaHeight);

// Left edges of the stone strip's copies along the bottom: as many as it takes
// to cover the width, the last one clipped.
std::vector<int> StoneLefts(int playAreaWidth, int stoneWidth);
