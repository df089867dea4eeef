// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

// A widget that shows one prepared picture and nothing else: no background is
// erased, so repaints never flicker.
class TImageBox : public QWidget {
  Q_OBJECT
 public:
  explicit TImageBox(QWidget* parent = nullptr);

  QImage Picture;  // drawn at (0, 0); callers call update() after changing it

 protected:
  void paintEvent(QPaintEvent* event) override;
};
