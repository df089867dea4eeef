// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

#include "controls/DialogBase.h"
#include "controls/Shape.h"
#include "controls/TrovDsgCtrls.h"
#include "controls/TrovGameButton.h"

// The first-start language choice, in all three languages at once.
// Accepted means a language other than the stored one was chosen and saved;
// confirming the stored one, or closing otherwise, gives Rejected and stores nothing.
class TDLG_Language : public TProgramDialog {
  Q_OBJECT
 public:
  explicit TDLG_Language(QWidget* owner = nullptr);

  // Components, back to front (Image_Back comes from the dialog base).
  TShape Shape1{this, {16, 16, 281, 129}, 0xE6E8EC, 0x2E303B};
  QLabel* Label_Lang1 = nullptr;
  QLabel* Label_Lang2 = nullptr;
  QLabel* Label_Lang3 = nullptr;
  TTrovDsgComboBox ComboBox_Lang{this};
  TTrovGameButton Button_OK{this};

  void FormCreate();
  void Button_OKClick();

 protected:
  // Esc does nothing: the dialog has no cancel button.
  void keyPressEvent(QKeyEvent* event) override;
};
