// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>

// A plain area of a window. It keeps one child sized to its whole client area
// (the picture at its back) and reports its own size changes afterwards.
class TPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TPanel(QWidget* parent = nullptr);

  void SetClientAligned(QWidget* child);
  std::function<void()> OnResize;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* ClientChild = nullptr;
};
