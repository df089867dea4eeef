// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainLayout.h"

#include <algorithm>

QRect MenuPanelRect(QSize window) { return {0, 0, window.width(), MenuBarHeight}; }

QRect PlayAreaRect(QSize window) {
  return {0, MenuBarHeight, window.width(), std::max(0, window.height() - MenuBarHeight)};
}

TMenuButtonLefts LayoutMenuButtons(int panelWidth, const TMenuButtonWidths& widths) {
  TMenuButtonLefts lefts{};
  lefts.Close = panelWidth - widths.Close - 10;
  lefts.Setup = lefts.Close - widths.Setup;
  lefts.Highscore = lefts.Setup - widths.Highscore;
  lefts.Info = lefts.Highscore - widths.Info;
  lefts.Help = lefts.Info - widths.Help;
  lefts.Time = lefts.Help - widths.Time - 8;
  return lefts;
}

QPoint TitlePosition(QSize panel, int textWidth, int textHeight) {
  return {panel.width() / 2 - textWidth / 2, panel.height() / 2 - textHeight / 2};
}

int BandHeight(int playAreaHeight) { return std::max(0, playAreaHeight - BandGap); }

std::vector<int> StoneLefts(int playAreaWidth, int stoneWidth) {
  std::vector<int> lefts;
  for (int x = 0; stoneWidth > 0 && x < playAreaWidth; x += stoneWidth) lefts.push_back(x);
  return lefts;
}
