// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "media/FuncUnit.h"

// A plain rectangle: a fill and a one-pixel outline, as panels on the dialogs.
class TShape : public QWidget {
  Q_OBJECT
 public:
  TShape(QWidget* parent, const QRect& geometry, TColor fill, TColor outline);

  TColor Fill;
  TColor Outline;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
