// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

#include "controls/DialogBase.h"
#include "controls/Shape.h"
#include "controls/TrovDsgCtrls.h"
#include "controls/TrovGameButton.h"

// The new game dialog: the player's name, typed or chosen from the
// names already stored. Accepted means PlayerData exists with Name and Datum.
class TDLG_Player : public TProgramDialog {
  Q_OBJECT
 public:
  explicit TDLG_Player(QWidget* owner = nullptr);

  // Components, back to front (Image_Back comes from the dialog base).
  TShape Shape1{this, {16, 16, 328, 161}, 0xE6E8EC, 0x2E303B};
  QLabel* Label_Text = nullptr;
  QLabel* Label_Name = nullptr;
  TTrovDsgComboBox ComboBox_Name{this};
  TTrovGameButton Button_Start{this};
  TTrovGameButton Button_Cancel{this};

  void FormCreate();
  void Button_StartClick();
  void Button_CancelClick();

 private:
  void FillNames();
  QString EnteredName() const;
  bool NameIsValid();
  void StorePlayer();
};

// The text without the blanks and control characters at both ends.
QString TrimBlanks(const QString& text);
