// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Sets a field that the control's look shows and repaints (or whatever else
// the change needs), only when the value really changes.
template <typename T, typename TRepaint>
void SetLook(T& field, const T& value, TRepaint repaint) {
  if (field == value) return;
  field = value;
  repaint();
}

// What the program's owner-drawn clicking controls (the game button, the check
// box) share: the mouse over them, the keyboard focus (taken by a left press,
// shown only while enabled), and a click when a left press and its release both
// land on the control; the second press of a double click starts no click, so
// a double click clicks once. The control's own Enabled flag leaves the widget
// alive: a disabled control still tracks the mouse but never clicks.
class TClickableControl : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

  bool Hovered() const { return IsHovered; }
  bool Focused() const { return HasFocusFlag; }
  bool Enabled() const { return IsEnabledFlag; }

 protected:
  void SetHovered(bool value);
  // A left press starts a click and takes the focus; true when it was one.
  bool StartClick(const QMouseEvent& event);
  // A left release ends the click; true when it clicks.
  bool EndClick(const QMouseEvent& event);

  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

  bool IsHovered = false;
  bool HasFocusFlag = false;
  bool IsEnabledFlag = true;
  bool ClickStarted = false;
};
