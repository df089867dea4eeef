// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QString>
#include <chrono>
#include <functional>

#include "controls/DialogBase.h"
#include "controls/ImageBox.h"
#include "controls/Shape.h"
#include "controls/TrovGameButton.h"

// The congratulations dialog at the end of a game: the play time and the rank
// the new result takes in the high-score list.
class TDLG_Great : public TProgramDialog {
  Q_OBJECT
 public:
  // Builds the dialog with every text in place for the stored result resultId.
  TDLG_Great(QWidget* owner, const QString& resultId, std::chrono::seconds playTime);

  // In painting order, back to front (Image_Back lies behind them all).
  TShape Shape1{this, {105, 61, 272, 124}, 0xE6E8EC, 0x2E303B};
  QLabel* Label_Time = AddFilledLabel({203, 121, 80, 16}, {}, 0x000000, 0xE6E8EC, 13, true);
  // Over the shape's own colour and transparent, so it never covers the time below it.
  QLabel* Label_Text = AddLabel({118, 79, 243, 50}, {}, 0x000000, 19);
  TImageBox Image_Pokal{this};
  QLabel* Label_Rang = AddFilledLabel({118, 143, 80, 16}, {}, 0x000000, 0xE6E8EC);
  QLabel* Label_Time_Caption = AddFilledLabel({118, 121, 0, 16}, {}, 0x000000, 0xE6E8EC);
  QLabel* Label_Caption2 = AddLabel({106, 11, 218, 37}, {}, 0xE6E8EC, 32, true);
  QLabel* Label_Caption1 = AddLabel({105, 10, 218, 37}, {}, 0x2E303B, 32, true);
  TTrovGameButton Button_OK{this};

  void Button_OKClick();

 private:
  void FormCreate(const QString& resultId, std::chrono::seconds playTime);
};

// The end of a finished game: the play time as last shown on the menu bar is
// stored with the current player (PlayerData), the congratulations dialog shows
// the rank, and the player record is freed. Failures go to error boxes.
void RecordResult(const QString& playTimeText, QWidget* owner);
