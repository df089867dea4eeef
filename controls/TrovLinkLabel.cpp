// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/TrovLinkLabel.h"

#include <QMouseEvent>

#include "controls/ControlAccessibility.h"
#include "media/FuncUnit.h"

namespace {

// Bold, italic and strike-out all go, so a hovered link shows the underline
// alone and a left one is plain.
QFont WithStyle(QFont font, bool underline) {
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setStrikeOut(false);
  font.setUnderline(underline);
  return font;
}

bool UnderlineAlone(const QFont& font) {
  return font.underline() && font.weight() == QFont::Normal && !font.italic() && !font.strikeOut();
}

}  // namespace

TTrovLinkLabel::TTrovLinkLabel(QWidget* parent) : QLabel(parent) {
  InstallControlAccessibility();  // before anything asks for the interface
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  // Moves arrive without a held button too: the first one switches the underline on.
  setMouseTracking(true);
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
  setFont(WithStyle(font(), false));
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, ColorOf(0xFF0000));
  setPalette(colours);
}

void TTrovLinkLabel::Click() {
  if (OnClick) OnClick();
}

void TTrovLinkLabel::mouseMoveEvent(QMouseEvent* event) {
  QLabel::mouseMoveEvent(event);
  if (OnMouseMove) OnMouseMove(event);
  if (!Hovered) {
    if (!UnderlineAlone(font())) setFont(WithStyle(font(), true));
    Hovered = true;
  }
}

void TTrovLinkLabel::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  if (Hovered) {
    setFont(WithStyle(font(), false));
    Hovered = false;
  }
}

// The label takes its own presses, so the release comes back to it.
void TTrovLinkLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) ClickStarted = true;
}

void TTrovLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const bool inside = rect().contains(event->position().toPoint());
  const bool started = ClickStarted;
  ClickStarted = false;
  if (started && inside) Click();
}
