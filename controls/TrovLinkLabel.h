// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <functional>

class QMouseEvent;

// A text label that behaves like a web link: the hand cursor, its text
// underlined while the mouse moves over it, and a click that only fires
// OnClick, so the owner decides what a click opens.
class TTrovLinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TTrovLinkLabel(QWidget* parent = nullptr);

  // The underline was switched on by a mouse move and not yet taken away.
  bool Hovered = false;

  std::function<void()> OnClick;
  std::function<void(QMouseEvent*)> OnMouseMove;

  // Fires OnClick, underlined or not.
  void Click();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool ClickStarted = false;
};
