// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/TrovGameButton.h"

#include "controls/ControlAccessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

void ApplyProgramButtonColors(TTrovGameButtonColors& colors) {
  colors.Color1 = 0xD4DCE3;
  colors.Color2 = 0xB8C4D0;
  colors.Color3 = 0xACBAC8;
  colors.Color4 = 0xBCC8D3;
  colors.HoverColor1 = 0xEAEDF1;
  colors.HoverColor2 = 0xC7D1DA;
  colors.HoverColor3 = 0xBBC7D2;
  colors.HoverColor4 = 0xD1D9E0;
  colors.DownColor1 = 0x70899C;
  colors.DownColor2 = 0x506676;
  colors.DownColor3 = 0x4C6171;
  colors.DownColor4 = 0x688193;
  colors.DisableColor1 = 0xD9D9D9;
  colors.DisableColor2 = 0xC1C1C1;
  colors.DisableColor3 = 0xC1C1C1;
  colors.DisableColor4 = 0xD9D9D9;
  colors.FocusColor = 0x0072E2;
  colors.LineColor1 = 0x3C4D5A;
  colors.LineColor2 = 0x8CA1B0;
  colors.FontColor = 0x0A0E10;
  colors.FontHoverColor = 0x202830;
  colors.FontDownColor = 0xF4F4F0;
  colors.FontDisableColor = 0x808080;
}

TCaptionLines SplitCaption(const QString& caption) {
  const qsizetype split = caption.indexOf(QLatin1Char('#'));
  if (split < 0) return {caption, QString(), false};
  return {caption.left(split), caption.mid(split + 1), true};
}

TButtonLook ChooseButtonLook(bool enabled, bool downed, bool pressed, bool hovered) {
  if (!enabled) return TButtonLook::Disabled;
  if (downed || (pressed && hovered)) return TButtonLook::Down;
  if (hovered && !pressed) return TButtonLook::Hover;
  return TButtonLook::Normal;
}

TTrovGameButton::TTrovGameButton(QWidget* parent)
    : TClickableControl(parent), CaptionFont(ProgramFont(QStringLiteral("Arial"), 10, true)) {
  InstallControlAccessibility();  // before anything asks for the interface
  resize(100, 24);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  ButtonColors.OnChangeColors = [this] { update(); };
  Borders.OnChangeBorders = [this] { update(); };
}

void TTrovGameButton::SetFont(const QFont& font) {
  CaptionFont = font;
  update();
}

void TTrovGameButton::SetCaption(const QString& caption) {
  // The same text again is no change: no repaint (a compositor may take the
  // keyboard from a window that repaints just as a dialog above it closes).
  if (caption == CaptionText) return;
  CaptionText = caption;
  update();
  if (accessibleName().isEmpty()) NotifyAccessibleNameChanged(this);
}

void TTrovGameButton::SetPicIdle(const QImage& picture) {
  Picture = picture.copy();
  update();
}

void TTrovGameButton::SetDowned(bool value) {
  SetLook(IsDowned, value, [this] { update(); });
}

void TTrovGameButton::SetEnabled(bool value) {
  SetLook(IsEnabledFlag, value, [this] {
    update();
    NotifyAccessibleStateChanged(this, false, true);
  });
}

void TTrovGameButton::SetDefault(bool value) { IsDefault = value; }

TButtonLook TTrovGameButton::Look() const {
  return ChooseButtonLook(IsEnabledFlag, IsDowned, IsPressed, IsHovered);
}

void TTrovGameButton::Click() {
  if (!IsEnabledFlag) return;
  setFocus(Qt::OtherFocusReason);
  update();
  if (OnClick) OnClick();
}

bool TTrovGameButton::DialogKey(int key) {
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if ((enter && IsDefault) || (key == Qt::Key_Escape && Cancel)) {
    Click();
    return true;
  }
  return false;
}

bool OfferDialogKey(QWidget* window, int key) {
  const auto buttons = window->findChildren<TTrovGameButton*>();
  for (TTrovGameButton* button : buttons)
    if (button->isVisible() && button->DialogKey(key)) return true;
  return false;
}

void TTrovGameButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const TButtonFace face = FaceOf(Look());
  PaintFace(painter, face);
  const int pictureWidth = PaintPicture(painter);
  PaintCaption(painter, face, pictureWidth);
  PaintFrame(painter);
}

TButtonFace TTrovGameButton::FaceOf(TButtonLook look) const {
  const TTrovGameButtonColors& c = ButtonColors;
  switch (look) {
    case TButtonLook::Disabled:
      return {{c.DisableColor1, c.DisableColor2, c.DisableColor3, c.DisableColor4},
              c.FontDisableColor};
    case TButtonLook::Down:
      return {{c.DownColor1, c.DownColor2, c.DownColor3, c.DownColor4}, c.FontDownColor};
    case TButtonLook::Hover:
      return {{c.HoverColor1, c.HoverColor2, c.HoverColor3, c.HoverColor4}, c.FontHoverColor};
    case TButtonLook::Normal:
      break;
  }
  return {{c.Color1, c.Color2, c.Color3, c.Color4}, c.FontColor};
}

void TTrovGameButton::PaintFace(QPainter& painter, const TButtonFace& face) {
  const int w = width(), h = height();
  FillVerticalGradient(painter, QRect(0, 0, w, h / 2), face.Colors[0], face.Colors[1]);
  FillVerticalGradient(painter, QRect(0, h / 2, w, h - h / 2), face.Colors[2], face.Colors[3]);
}

int TTrovGameButton::PaintPicture(QPainter& painter) {
  if (Picture.isNull()) return 0;
  QImage working = Picture.convertToFormat(QImage::Format_RGB888);
  const int pw = working.width(), ph = working.height();
  const int left = CaptionText.isEmpty() ? width() / 2 - pw / 2 : 4;
  const int top = height() / 2 - ph / 2;
  if (!IsEnabledFlag) MakeGrayscale(working);
  DrawTransparent(painter, left, top, working, ColorAt(working, 0, 0));
  return pw;
}

void TTrovGameButton::PaintCaption(QPainter& painter, const TButtonFace& face, int pictureWidth) {
  if (CaptionText.isEmpty()) return;
  painter.setFont(CaptionFont);
  painter.setPen(ColorOf(face.FontColor));
  const QFontMetrics metrics(CaptionFont);
  const int w = width(), h = height();
  const int cx = pictureWidth > 0 ? (w - (pictureWidth + 6)) / 2 + pictureWidth + 6 : w / 2;
  const TCaptionLines lines = SplitCaption(CaptionText);
  auto centred = [&](const QString& text, int y) {
    TextOutTopLeft(painter, cx - metrics.horizontalAdvance(text) / 2, y, text);
  };
  if (!lines.TwoLines) {
    centred(lines.Line1, h / 2 - metrics.height() / 2 - 1);
    return;
  }
  centred(lines.Line1, h / 2 - metrics.height() - 1);
  centred(lines.Line2, h / 2 - 1);
}

void TTrovGameButton::PaintFrame(QPainter& painter) {
  const int w = width(), h = height();
  const bool down = IsDowned || (IsPressed && IsHovered && IsEnabledFlag);
  const TTrovGameButtonColors& c = ButtonColors;
  const TColor inner = (HasFocusFlag && IsEnabledFlag && TabStop) ? TColor(c.FocusColor)
                       : down                                     ? TColor(c.LineColor1)
                                                                  : TColor(c.LineColor2);
  const TColor outer = down ? c.LineColor2 : c.LineColor1;
  // Outer lines go last and cover the inner lines' end pixels where they cross.
  auto lines = [&](int inset, TColor color) {
    const QColor pen = ColorOf(color);
    if (Borders.Left) painter.fillRect(inset, 0, 1, h, pen);
    if (Borders.Right) painter.fillRect(w - 1 - inset, 0, 1, h, pen);
    if (Borders.Top) painter.fillRect(inset, inset, w - 1 - 2 * inset, 1, pen);
    if (Borders.Bottom) painter.fillRect(inset, h - 1 - inset, w - 1 - 2 * inset, 1, pen);
  };
  lines(1, inner);
  lines(0, outer);
}

void TTrovGameButton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  update();
}

void TTrovGameButton::mousePressEvent(QMouseEvent* event) {
  if (!StartClick(*event)) return;
  IsPressed = true;
  IsHovered = true;  // a press lands on the button, whether or not an enter came first
  update();
}

// While the button holds the mouse, it follows the pointer in and out itself.
void TTrovGameButton::mouseMoveEvent(QMouseEvent* event) {
  if (IsPressed) SetHovered(rect().contains(event->position().toPoint()));
}

void TTrovGameButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (EndClick(*event)) Click();
  IsPressed = false;
  update();
}

void TTrovGameButton::keyPressEvent(QKeyEvent* event) {
  if (TabStop && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    Click();
    return;
  }
  QWidget::keyPressEvent(event);
}
