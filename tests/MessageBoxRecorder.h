// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "controls/MessageBoxes.h"

// Records every message box and gives the queued answers ("Ja" when none are left).
class TMessageBoxRecorder : public TMessageBoxSeam {
 public:
  struct TBox {
    TMessageKind Kind;
    QString Title, Text;
  };

  TMessageBoxRecorder() { SetMessageBoxSeam(this); }
  ~TMessageBoxRecorder() override { SetMessageBoxSeam(nullptr); }

  bool Answer(TMessageKind kind, const QString& title, const QString& text) override;

  QList<TBox> Boxes;
  QList<bool> Answers;
  std::function<void()> WhileShown;  // runs while a box is "on screen"
};
