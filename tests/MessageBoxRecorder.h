// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "controls/MessageBoxes.h"

// Records every message box and gives the queued answers ("Ja" when none are
// left); hands every dialog to OnDialog, which answers it (Rejected without one).
class TMessageBoxRecorder : public TDialogRunner {
 public:
  struct TBox {
    TMessageKind Kind;
    QString Title, Text;
  };

  TMessageBoxRecorder() { SetDialogRunner(this); }
  ~TMessageBoxRecorder() override { SetDialogRunner(nullptr); }

  int RunDialog(QDialog& dialog) override;
  bool RunMessageBox(TMessageKind kind, const QString& title, const QString& text) override;

  QList<TBox> Boxes;
  QList<bool> Answers;
  std::function<void()> WhileShown;  // runs while a box is "on screen"
  std::function<int(QDialog&)> OnDialog;
};
