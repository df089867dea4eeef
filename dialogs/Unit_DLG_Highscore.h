// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

#include "controls/DialogBase.h"
#include "controls/TrovDsgCtrls.h"
#include "controls/TrovGameButton.h"

class THighscoreRows;

// The high-score dialog: every stored result by play time, the
// shortest first, and the deletion of all results after a confirmation.
class TDLG_Highscore : public TProgramDialog {
  Q_OBJECT
 public:
  explicit TDLG_Highscore(QWidget* owner = nullptr);
  ~TDLG_Highscore() override;

  // Components, back to front (Image_Back comes from the dialog base).
  TTrovDsgStringGrid StringGrid_Highscore{this};
  TTrovGameButton Button_OK{this};
  TTrovGameButton Button_Clear{this};
  QTimer Timer1{this};

  void FormCreate();
  void FormDestroy();
  void Button_OKClick();
  void Button_ClearClick();
  void Timer1Timer();

  // The identifier of the result in a grid row; empty for none.
  QString ResultIdOfRow(int gridRow) const;

 private:
  void FreeRows();
  void FillList();

  // The rows the grid shows, read from the database as they are shown.
  THighscoreRows* Rows = nullptr;
};

// A stored date ("yyyy-mm-dd") or one in the user's short date format, written
// in the user's short date format; false when the text is no date.
bool StoredDateToDisplay(const QString& text, QString& display);
// The user's short date format, with a four-digit year.
QString ShortDateFormat();
