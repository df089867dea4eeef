// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "controls/NotifyingProperty.h"
#include "media/FuncUnit.h"

// The gradient colours of a tile's back, normal and under the mouse.
class TPuzzleMemoColors {
 public:
  std::function<void()> OnChangeColors;

  TNotifyingProperty<TColor> Color1{OnChangeColors, 0xA3957D};
  TNotifyingProperty<TColor> Color2{OnChangeColors, 0x90826B};
  TNotifyingProperty<TColor> HoverColor1{OnChangeColors, 0xCBC1AF};
  TNotifyingProperty<TColor> HoverColor2{OnChangeColors, 0xA3957D};
};

// A photo card of the board. It shows one of two prepared pictures: its back
// (a gradient with the deck symbol in the middle) or its photo, stretched to
// the tile. The photo shows while the tile is face up and, on an unlocked
// tile, for as long as a mouse button is held: a press lets the player peek.
class TPuzzleMemo : public QWidget {
  Q_OBJECT
 public:
  explicit TPuzzleMemo(QWidget* parent = nullptr);

  // Plain flags: writing them does not repaint; the caller asks for that.
  bool Locked = false;      // no hover look, no peek, no click
  bool ShowMemo = false;    // face up
  int Tag = 0;              // the photo's number
  int Row = 0, Column = 0;  // its place on the board, from 1; 0 while it has none

  bool Hovered() const { return IsHovered; }
  bool Pressed() const { return IsPressed; }

  void SetMemoBitmap(const QImage& photo);
  const QImage& DeckSymbol() const { return Symbol; }
  void SetDeckSymbol(const QImage& symbol);
  TPuzzleMemoColors MemoColors;

  // The picture a paint copies: the photo or the back.
  const QImage& ShownImage() const;

  // Space or Return held on the framed tile: the same as a mouse button held.
  void PressFromKeyboard();
  void ReleaseFromKeyboard();
  // The frame that shows where the keyboard plays.
  void SetFramed(bool framed);
  bool Framed() const { return IsFramed; }
  static constexpr TColor FocusFrameColor = 0x00C8FF;  // amber

  std::function<void(TPuzzleMemo*)> OnMouseDown;
  std::function<void(TPuzzleMemo*)> OnMouseUp;
  std::function<void(TPuzzleMemo*)> OnMouseMove;
  std::function<void(TPuzzleMemo*)> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void ButtonDown();
  void ButtonUp();
  void UpdateMemoImage();
  void UpdateDeckImage();

  bool IsHovered = false;
  bool IsPressed = false;
  bool IsFramed = false;
  bool ClickedLast = false;  // the latest left release here was a click
  bool SecondPressOfDoubleClick = false;
  QImage MemoSource;
  QImage MemoImage;
  QImage DeckImage;
  QImage Symbol;
};
