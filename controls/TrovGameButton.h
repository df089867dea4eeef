// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include "controls/ClickableControl.h"

#include "controls/NotifyingProperty.h"
#include "media/FuncUnit.h"

// The button colours: four gradient colours per look, frame lines and caption
// colours. Every assignment repaints the owning button through OnChangeColors.
class TTrovGameButtonColors {
 public:
  std::function<void()> OnChangeColors;

  TNotifyingProperty<TColor> Color1{OnChangeColors, 0xFBC489};
  TNotifyingProperty<TColor> Color2{OnChangeColors, 0xC87235};
  TNotifyingProperty<TColor> Color3{OnChangeColors, 0x9F5B2A};
  TNotifyingProperty<TColor> Color4{OnChangeColors, 0xD58C51};
  TNotifyingProperty<TColor> HoverColor1{OnChangeColors, 0xF5CFA8};
  TNotifyingProperty<TColor> HoverColor2{OnChangeColors, 0xD8924A};
  TNotifyingProperty<TColor> HoverColor3{OnChangeColors, 0xC77F35};
  TNotifyingProperty<TColor> HoverColor4{OnChangeColors, 0xECB47A};
  TNotifyingProperty<TColor> DownColor1{OnChangeColors, 0x915327};
  TNotifyingProperty<TColor> DownColor2{OnChangeColors, 0xAA6F3F};
  TNotifyingProperty<TColor> DownColor3{OnChangeColors, 0x925428};
  TNotifyingProperty<TColor> DownColor4{OnChangeColors, 0xB57643};
  TNotifyingProperty<TColor> DisableColor1{OnChangeColors, 0xD9D9D9};
  TNotifyingProperty<TColor> DisableColor2{OnChangeColors, 0xC1C1C1};
  TNotifyingProperty<TColor> DisableColor3{OnChangeColors, 0xC1C1C1};
  TNotifyingProperty<TColor> DisableColor4{OnChangeColors, 0xD9D9D9};
  TNotifyingProperty<TColor> FocusColor{OnChangeColors, 0x0072E2};
  TNotifyingProperty<TColor> LineColor1{OnChangeColors, 0x9F5B2A};
  TNotifyingProperty<TColor> LineColor2{OnChangeColors, 0xFBC489};
  TNotifyingProperty<TColor> FontColor{OnChangeColors, 0xF5E3CB};
  TNotifyingProperty<TColor> FontHoverColor{OnChangeColors, 0xFFFFFF};
  TNotifyingProperty<TColor> FontDownColor{OnChangeColors, 0xF5E3CB};
  TNotifyingProperty<TColor> FontDisableColor{OnChangeColors, 0x808080};
};

// The sides that get the double frame lines.
class TTrovGameButtonBorders {
 public:
  std::function<void()> OnChangeBorders;

  TNotifyingProperty<bool> Left{OnChangeBorders, true};
  TNotifyingProperty<bool> Right{OnChangeBorders, true};
  TNotifyingProperty<bool> Top{OnChangeBorders, false};
  TNotifyingProperty<bool> Bottom{OnChangeBorders, false};
};

// The one colour set that every button of the program carries.
void ApplyProgramButtonColors(TTrovGameButtonColors& colors);

// A caption's lines: everything before the first '#' and everything after it.
struct TCaptionLines {
  QString Line1, Line2;
  bool TwoLines = false;
};
TCaptionLines SplitCaption(const QString& caption);

enum class TButtonLook { Normal, Hover, Down, Disabled };

// The colours of one look: upper half top and bottom, lower half top and bottom; caption.
struct TButtonFace {
  TColor Colors[4];
  TColor FontColor;
};

// First match wins: disabled, down (permanently or pressed under the mouse), hover, normal.
TButtonLook ChooseButtonLook(bool enabled, bool downed, bool pressed, bool hovered);

// The owner-drawn push button of the whole program: a two-part gradient, an
// optional picture, a caption of one line or two (split at the first '#') and a
// double frame. Its own Enabled flag leaves the widget alive, so a disabled
// button still tracks the mouse but never clicks.
class TTrovGameButton : public TClickableControl {
  Q_OBJECT
 public:
  explicit TTrovGameButton(QWidget* parent = nullptr);

  const QFont& Font() const { return CaptionFont; }
  void SetFont(const QFont& font);
  const QString& Caption() const { return CaptionText; }
  void SetCaption(const QString& caption);
  const QImage& PicIdle() const { return Picture; }
  void SetPicIdle(const QImage& picture);

  bool Pressed() const { return IsPressed; }
  bool Downed() const { return IsDowned; }
  void SetDowned(bool value);
  bool Disabled() const { return !IsEnabledFlag; }
  void SetEnabled(bool value);
  bool Default() const { return IsDefault; }
  virtual void SetDefault(bool value);

  bool Cancel = false;   // Esc clicks the button
  bool TabStop = false;  // Enter clicks it while focused; shows the focus colour
  // What assistive technology takes the button for: a push button, or a display
  // (QAccessible::StaticText) for one that only shows a text.
  QAccessible::Role AccessibleRole = QAccessible::Button;

  TTrovGameButtonColors ButtonColors;
  TTrovGameButtonBorders Borders;
  std::function<void()> OnClick;

  TButtonLook Look() const;
  // Runs a click from the mouse, Enter or Esc; a disabled button does nothing.
  void Click();
  // Enter on a Default button or Esc on a Cancel button clicks it and is
  // taken, also while the button is disabled, so the key is swallowed.
  bool DialogKey(int key);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TButtonFace FaceOf(TButtonLook look) const;
  void PaintFace(QPainter& painter, const TButtonFace& face);
  int PaintPicture(QPainter& painter);
  void PaintCaption(QPainter& painter, const TButtonFace& face, int pictureWidth);
  void PaintFrame(QPainter& painter);

  QFont CaptionFont;
  QString CaptionText;
  QImage Picture;
  bool IsPressed = false;
  bool IsDowned = false;
  bool IsDefault = false;
};

// Offers Enter or Esc to the window's buttons in turn until one takes it.
bool OfferDialogKey(QWidget* window, int key);
