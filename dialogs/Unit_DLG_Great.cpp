// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/Unit_DLG_Great.h"

#include <algorithm>
#include <optional>

#include "controls/MessageBoxes.h"
#include "localization/Unit_Language.h"
#include "persistence/PendingResults.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"

TDLG_Great::TDLG_Great(QWidget* owner, const QString& resultId, std::chrono::seconds playTime)
    : TProgramDialog(owner, {394, 247}) {
  FormCreate(resultId, playTime);
}

void TDLG_Great::FormCreate(const QString& resultId, std::chrono::seconds playTime) {
  setWindowTitle(QStringLiteral("Tessaryn Puzzle"));

  Label_Text->setWordWrap(true);
  Image_Pokal.Picture = LoadLayoutPicture(QStringLiteral("trophy"));
  Image_Pokal.setGeometry(QRect(QPoint(15, 15), Image_Pokal.Picture.size()));
  Label_Rang->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  Label_Time_Caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  Label_Caption1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Label_Caption2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  SetUpButton(Button_OK, {287, 202, 90, 28}, QStringLiteral("OK"));
  Button_OK.SetDefault(true);
  Button_OK.Cancel = true;
  Button_OK.OnClick = [this] { Button_OKClick(); };

  Label_Caption1->setText(TxtCongratulation);
  Label_Caption2->setText(TxtCongratulation);
  // "Congratulation!" is wider than the headline's place: it grows instead of being cut.
  FitLabel(*Label_Caption1, TLabelFit::GrowWidth);
  FitLabel(*Label_Caption2, TLabelFit::GrowWidth);
  Label_Text->setText(TxtPuzzleSolved);
  Label_Time_Caption->setText(LblYourPlayTime);
  FitLabel(*Label_Time_Caption, TLabelFit::Width);
  // The time follows its caption at 4 pixels, however long the caption is in the language.
  Label_Time->move(Label_Time_Caption->x() + Label_Time_Caption->width() + 4, Label_Time->y());
  Label_Rang->setText(QString::number(RankOfResult(resultId)) + QStringLiteral(". ") + TxtPlace);
  // As the clock and the high-score list write it, hours going on past 24; a
  // time-of-day format would fail there, and a 12-hour locale would add AM/PM.
  Label_Time->setText(FormatPlayTime(playTime));
}

void TDLG_Great::Button_OKClick() { accept(); }

void RecordResult(const QString& playTimeText, QWidget* owner) {
  const std::optional<std::chrono::seconds> playTime = ParsePlayTime(playTimeText);
  if (!playTime) {
    ShowErrorBox(MsgPlayTimeInvalid);
    return;
  }
  if (!PlayerData) {
    ShowErrorBox(MsgNoPlayerData);
    return;
  }
  PlayerData->Spielzeit = *playTime;
  // Results that waited go first, so the list keeps the order the games ended in.
  StorePendingResults();
  QString resultId;
  bool stored = false;
  try {
    stored = InsertResult(resultId);
  } catch (const ESQLiteException&) {
    stored = false;
  }
  if (stored) {
    SucceedsOrShowsError([&] {
      TDLG_Great dialog(owner, resultId, *playTime);
      DialogRunner().RunDialog(dialog);
    });
  } else {
    // Told, not lost: the result waits for the next write or the next start.
    KeepPendingResult(*PlayerData);
    ShowErrorBox(MsgResultNotSaved + QStringLiteral("\n\n") + MsgResultKept);
  }
  PlayerData.reset();
}
