// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QLabel>

#include "controls/ImageBox.h"
#include "controls/TrovGameButton.h"
#include "media/FuncUnit.h"

// What every dialog of the program shares: a fixed client size, centred on the
// screen, the gradient background picture at the back (Image_Back), Arial of 13
// pixels, and Enter and Esc offered to its Default and Cancel buttons. Esc that
// no button takes closes the dialog as Cancel, like its close box.
class TProgramDialog : public QDialog {
  Q_OBJECT
 public:
  TProgramDialog(QWidget* owner, QSize clientSize);

  TImageBox Image_Back{this};

  // Modal, as a window of its own or, on Wayland, inside a host (controls/DialogHost).
  int exec() override;

  // "Arial" measured in pixels, as the dialogs' texts are given.
  static QFont DialogFont(int pixels = 13, bool bold = false);

 protected:
  // A transparent label on the dialog, and one filled with a background colour
  // (two names, so that a colour can never be taken for a font size).
  // How a label takes the size of its text: both ways; the width alone; or a
  // width that only grows, with room for a bold face's overhang.
  enum class TLabelFit { WidthAndHeight, Width, GrowWidth };
  static void FitLabel(QLabel& label, TLabelFit fit = TLabelFit::WidthAndHeight);

  QLabel* AddLabel(const QRect& geometry, const QString& text, TColor textColor, int pixels = 13,
                   bool bold = false);
  QLabel* AddFilledLabel(const QRect& geometry, const QString& text, TColor textColor,
                         TColor background, int pixels = 13, bool bold = false);
  // A button in the program's colours, all four borders, Arial 13 pixels, not bold.
  void SetUpButton(TTrovGameButton& button, const QRect& geometry, const QString& caption);

  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
};
