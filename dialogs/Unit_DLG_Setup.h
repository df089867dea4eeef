// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QScrollBar>
#include <QTimer>

#include "controls/DialogBase.h"
#include "controls/Shape.h"
#include "controls/TrovDsgCtrls.h"
#include "controls/TrovGameButton.h"
#include "controls/VistaQuadCheckBox.h"

// The settings dialog: sound effects, background music, output volume and
// language. Accepted means SetupData holds the new settings and they are saved;
// applying them (volume, language, hints) is the caller's part.
class TDLG_Setup : public TProgramDialog {
  Q_OBJECT
 public:
  explicit TDLG_Setup(QWidget* owner = nullptr);

  // Components, back to front (Image_Back comes from the dialog base).
  TShape Shape1{this, {16, 16, 281, 201}, 0xE6E8EC, 0x2E303B};
  QLabel* Label_Lang = nullptr;
  TTrovDsgComboBox ComboBox_Lang{this};
  TVistaQuadCheckBox CheckBox_Sound{this};
  TVistaQuadCheckBox CheckBox_Music{this};
  QLabel* Label_Volume_Caption = nullptr;
  QScrollBar ScrollBar_Volume{Qt::Horizontal, this};
  QLabel* Label_Volume = nullptr;
  TTrovGameButton Button_OK{this};
  TTrovGameButton Button_Cancel{this};
  QTimer Timer1{this};

  void FormCreate();
  void ScrollBar_VolumeChange();
  void Timer1Timer();
  void Button_OKClick();
  void Button_CancelClick();

 private:
  void SetUpCheckBox(TVistaQuadCheckBox& box, int top);
};
