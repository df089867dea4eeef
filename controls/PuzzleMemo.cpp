// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/PuzzleMemo.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/ControlAccessibility.h"
#include "controls/Cursors.h"
#include "media/ScreenCursor.h"

TPuzzleMemo::TPuzzleMemo(QWidget* parent) : QWidget(parent) {
  InstallControlAccessibility();  // before anything asks for the interface
  resize(25, 25);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setCursor(OpenHandCursor());
  // Moves arrive without a held button too, as the keyboard's frame needs to know.
  setMouseTracking(true);
  // A colour change shows at once, not only at the next size or hover change.
  MemoColors.OnChangeColors = [this] {
    UpdateDeckImage();
    update();
  };
}

void TPuzzleMemo::SetMemoBitmap(const QImage& photo) {
  MemoSource = photo.copy();
  UpdateMemoImage();
  update();
}

void TPuzzleMemo::SetDeckSymbol(const QImage& symbol) {
  Symbol = symbol.copy();
  UpdateDeckImage();
  update();
}

const QImage& TPuzzleMemo::ShownImage() const {
  return IsPressed || ShowMemo ? MemoImage : DeckImage;
}

void TPuzzleMemo::UpdateMemoImage() {
  if (MemoSource.isNull()) {
    MemoImage = QImage(size(), QImage::Format_RGB32);
    MemoImage.fill(Qt::white);
    return;
  }
  MemoImage = StretchHalftone(MemoSource, size()).convertToFormat(QImage::Format_RGB32);
}

void TPuzzleMemo::UpdateDeckImage() {
  DeckImage = QImage(size(), QImage::Format_RGB32);
  QPainter painter(&DeckImage);
  FillVerticalGradient(painter, DeckImage.rect(),
                       IsHovered ? MemoColors.HoverColor1 : MemoColors.Color1,
                       IsHovered ? MemoColors.HoverColor2 : MemoColors.Color2);
  if (!Symbol.isNull())
    DrawTransparent(painter, width() / 2 - Symbol.width() / 2, height() / 2 - Symbol.height() / 2,
                    Symbol, ColorAt(Symbol, 0, 0));
}

void TPuzzleMemo::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, ShownImage());
  // The keyboard's frame lies over the picture and changes nothing under it.
  if (IsFramed) {
    constexpr int Width = 4;
    painter.setPen(
        QPen(ColorOf(FocusFrameColor), Width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(Width / 2.0, Width / 2.0, -Width / 2.0, -Width / 2.0));
  }
}

void TPuzzleMemo::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A hidden tile gets its size change again when it is shown: build once per size.
  if (MemoImage.size() != size()) UpdateMemoImage();
  if (DeckImage.size() != size()) UpdateDeckImage();
  update();
}

void TPuzzleMemo::enterEvent(QEnterEvent* event) {
  if (!Locked) {
    IsHovered = true;
    if (!ShowMemo) {
      UpdateDeckImage();
      update();
    }
    SetScreenCursor(OpenHandCursor());
  }
  QWidget::enterEvent(event);
}

void TPuzzleMemo::leaveEvent(QEvent* event) {
  IsHovered = false;
  ClickedLast = false;  // a double click that ends on another tile is that tile's first click
  if (!ShowMemo) {
    UpdateDeckImage();
    update();
  }
  ResetScreenCursor();
  QWidget::leaveEvent(event);
}

void TPuzzleMemo::mousePressEvent(QMouseEvent*) { ButtonDown(); }

// Qt hands widgets the second press of a double click as this event instead of
// a press, also when it lands on a neighbouring tile; it is a press all the same.
void TPuzzleMemo::mouseDoubleClickEvent(QMouseEvent*) {
  SecondPressOfDoubleClick = ClickedLast;
  ButtonDown();
}

void TPuzzleMemo::ButtonDown() {
  if (!IsPressed && !Locked) {
    IsPressed = true;
    update();
    SetScreenCursor(GrabHandCursor());
  }
  const bool wasFaceUp = ShowMemo;
  if (OnMouseDown) OnMouseDown(this);
  // The press may have turned the tile face up for good: its spoken name says so.
  if (ShowMemo != wasFaceUp) NotifyAccessibleNameChanged(this);
}

// Qt keeps delivering the mouse to the tile that was pressed, for every button,
// so a release anywhere ends the peek, whichever button comes up first.
void TPuzzleMemo::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = event->button() == Qt::LeftButton && !SecondPressOfDoubleClick &&
                     rect().contains(event->position().toPoint());
  if (event->buttons() == Qt::NoButton) SecondPressOfDoubleClick = false;
  if (event->button() == Qt::LeftButton) ClickedLast = click;
  if (click && !Locked && OnClick) OnClick(this);
  ButtonUp();
}

void TPuzzleMemo::ButtonUp() {
  if (IsPressed) {
    IsPressed = false;
    update();
    SetScreenCursor(OpenHandCursor());
  }
  if (OnMouseUp) OnMouseUp(this);
}

void TPuzzleMemo::PressFromKeyboard() { ButtonDown(); }

void TPuzzleMemo::ReleaseFromKeyboard() { ButtonUp(); }

void TPuzzleMemo::SetFramed(bool framed) {
  if (IsFramed == framed) return;
  IsFramed = framed;
  update();
  // A screen reader follows the frame as it would the keyboard focus.
  if (framed) NotifyAccessibleFocus(this);
}

void TPuzzleMemo::mouseMoveEvent(QMouseEvent*) {
  if (OnMouseMove) OnMouseMove(this);
}
