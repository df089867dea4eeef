// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/ClickableControl.h"

#include <QMouseEvent>

void TClickableControl::SetHovered(bool value) {
  SetLook(IsHovered, value, [this] { update(); });
}

bool TClickableControl::StartClick(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return false;
  ClickStarted = true;
  if (!HasFocusFlag && IsEnabledFlag) setFocus(Qt::MouseFocusReason);
  return true;
}

bool TClickableControl::EndClick(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return false;
  const bool clicks = ClickStarted && rect().contains(event.position().toPoint());
  ClickStarted = false;
  return clicks;
}

void TClickableControl::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  SetHovered(true);
}

void TClickableControl::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  SetHovered(false);
}

void TClickableControl::mouseDoubleClickEvent(QMouseEvent*) { ClickStarted = false; }

void TClickableControl::focusInEvent(QFocusEvent* event) {
  if (IsEnabledFlag) SetLook(HasFocusFlag, true, [this] { update(); });
  QWidget::focusInEvent(event);
}

void TClickableControl::focusOutEvent(QFocusEvent* event) {
  SetLook(HasFocusFlag, false, [this] { update(); });
  QWidget::focusOutEvent(event);
}
