// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/VistaQuadCheckBox.h"

#include "controls/ControlAccessibility.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TVistaQuadCheckBox::TVistaQuadCheckBox(QWidget* parent)
    : TClickableControl(parent), CaptionFont(ProgramFont(QStringLiteral("Tahoma"), 8)) {
  InstallControlAccessibility();  // before anything asks for the interface
  // The platform's button face until the owner gives the box a colour.
  const QColor face = palette().color(QPalette::Button);
  BackColor = MakeColor(face.red(), face.green(), face.blue());
  resize(100, BoxSize);
  // Focus is taken by hand, so that a disabled box never takes it on a press.
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  BlueColors.OnChangeColors = [this] { update(); };
  GrayColors.OnChangeColors = [this] { update(); };
  DisabledColors.OnChangeColors = [this] { update(); };
  CaptionColors.OnChangeColors = [this] { update(); };
}

void TVistaQuadCheckBox::SetCaption(const QString& caption) {
  if (CaptionText == caption) return;
  CaptionText = caption;
  FitSize();
  update();
  NotifyAccessibleNameChanged(this);
}

void TVistaQuadCheckBox::SetStyle(TStyle value) {
  SetLook(StyleValue, value, [this] { update(); });
}

void TVistaQuadCheckBox::SetCheckSymbol(TCheckSymbol value) {
  SetLook(SymbolValue, value, [this] { update(); });
}

void TVistaQuadCheckBox::SetChecked(bool value) {
  SetLook(IsChecked, value, [this] {
    update();
    NotifyAccessibleStateChanged(this, true, false);
  });
}

void TVistaQuadCheckBox::SetEnabled(bool value) {
  SetLook(IsEnabledFlag, value, [this] {
    update();
    NotifyAccessibleStateChanged(this, false, true);
  });
}

void TVistaQuadCheckBox::SetAutosize(bool value) {
  SetLook(IsAutosize, value, [this] {
    FitSize();
    update();
  });
}

void TVistaQuadCheckBox::SetTabStop(bool value) {
  IsTabStop = value;
  setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus);
  update();
}

void TVistaQuadCheckBox::SetColor(TColor value) {
  BackColor = value;
  update();
}

void TVistaQuadCheckBox::SetFont(const QFont& font) {
  CaptionFont = font;
  FitSize();
  update();
}

const TQuadCheckColors& TVistaQuadCheckBox::LookColors() const {
  if (!IsEnabledFlag) return DisabledColors;
  return StyleValue == TStyle::sGRAY ? GrayColors : BlueColors;
}

TColor TVistaQuadCheckBox::CaptionColor() const {
  if (!IsEnabledFlag) return CaptionColors.Disabled;
  return HighLight && !IsHovered ? TColor(CaptionColors.HighLight) : TColor(CaptionColors.Normal);
}

void TVistaQuadCheckBox::FitSize() {
  int w = std::max(width(), BoxSize);
  int h = std::max(height(), BoxSize);
  if (IsAutosize) {
    w = QFontMetrics(CaptionFont).horizontalAdvance(CaptionText) + AutosizeExtra;
    h = BoxSize;
  }
  if (w != width() || h != height()) resize(w, h);
}

void TVistaQuadCheckBox::Click() {
  if (!IsEnabledFlag) return;
  setFocus(Qt::OtherFocusReason);
  if (!RadioCheck) {
    SetCheckedAndNotify(!IsChecked, this);
  } else {
    // The whole group goes off first, the clicked box included, so a click on a
    // checked radio box leaves it checked. The others report the clicked box as
    // their sender: it is the one the user touched.
    const auto boxes = window()->findChildren<TVistaQuadCheckBox*>();
    for (TVistaQuadCheckBox* box : boxes)
      if (box->RadioCheck) box->SetCheckedAndNotify(false, this);
    SetCheckedAndNotify(true, this);
  }
  if (OnClick) OnClick();
}

void TVistaQuadCheckBox::SetCheckedAndNotify(bool value, TVistaQuadCheckBox* sender) {
  IsChecked = value;
  update();
  NotifyAccessibleStateChanged(this, true, false);
  if (OnChangeCheck) OnChangeCheck(sender, value);
}

void TVistaQuadCheckBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ColorOf(BackColor));
  PaintBox(painter);
  PaintCaption(painter);
}

void TVistaQuadCheckBox::PaintBox(QPainter& painter) {
  const TQuadCheckColors& c = LookColors();
  FillVerticalGradient(painter, QRect(0, 0, BoxSize, BoxSize), c.GradientTop, c.GradientBottom);
  // A one-pixel frame whose corner pixels stay open: the 2 x 2 rounding.
  auto roundFrame = [&](int left, int top, int right, int bottom, TColor color) {
    const QColor pen = ColorOf(color);
    painter.fillRect(left + 1, top, right - left - 1, 1, pen);
    painter.fillRect(left + 1, bottom, right - left - 1, 1, pen);
    painter.fillRect(left, top + 1, 1, bottom - top - 1, pen);
    painter.fillRect(right, top + 1, 1, bottom - top - 1, pen);
  };
  const bool showFocus = HasFocusFlag && IsEnabledFlag && IsTabStop;
  roundFrame(0, 0, BoxSize - 1, BoxSize - 1, showFocus ? TColor(c.FocusFrame) : TColor(c.Frame));
  if (IsHovered && IsEnabledFlag) roundFrame(1, 1, BoxSize - 2, BoxSize - 2, c.HoverFrame);
  if (!IsChecked) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(ColorOf(c.Mark), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (SymbolValue == TCheckSymbol::sCross) {
    painter.drawLine(4, 4, 10, 10);
    painter.drawLine(4, 10, 10, 4);
  } else {
    const QPoint hook[] = {{4, 6}, {7, 10}, {10, 4}};
    painter.drawPolyline(hook, 3);
  }
  painter.restore();
}

void TVistaQuadCheckBox::PaintCaption(QPainter& painter) {
  if (CaptionText.isEmpty()) return;
  painter.setFont(CaptionFont);
  const QFontMetrics metrics(CaptionFont);
  const int y = height() / 2 - metrics.height() / 2;
  painter.fillRect(CaptionLeft, y, metrics.horizontalAdvance(CaptionText), metrics.height(),
                   ColorOf(BackColor));
  painter.setPen(ColorOf(CaptionColor()));
  TextOutTopLeft(painter, CaptionLeft, y, CaptionText);
}

void TVistaQuadCheckBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitSize();
  update();
}

void TVistaQuadCheckBox::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FitSize();
}

void TVistaQuadCheckBox::mousePressEvent(QMouseEvent* event) {
  if (!StartClick(*event)) return;
  update();
}

void TVistaQuadCheckBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (EndClick(*event)) Click();
  update();
}

// Every key-down of the space bar toggles, key repeats included.
void TVistaQuadCheckBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space) Click();
  QWidget::keyPressEvent(event);
}
