// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include <functional>
#include "controls/ClickableControl.h"

#include "controls/NotifyingProperty.h"
#include "media/FuncUnit.h"

enum class TStyle { sBLUE, sGRAY };
enum class TCheckSymbol { sCross, sHook };

class TVistaQuadCheckBox;
using TOnChangeCheck = std::function<void(TVistaQuadCheckBox* Sender, bool IsChecked)>;

// The colours of one look of the box: its gradient, its frames and its mark.
// Every assignment repaints the owning box through OnChangeColors.
class TQuadCheckColors {
 public:
  TQuadCheckColors(TColor gradientTop, TColor gradientBottom, TColor frame, TColor focusFrame,
                   TColor hoverFrame, TColor mark)
      : GradientTop{OnChangeColors, gradientTop},
        GradientBottom{OnChangeColors, gradientBottom},
        Frame{OnChangeColors, frame},
        FocusFrame{OnChangeColors, focusFrame},
        HoverFrame{OnChangeColors, hoverFrame},
        Mark{OnChangeColors, mark} {}

  std::function<void()> OnChangeColors;

  TNotifyingProperty<TColor> GradientTop;
  TNotifyingProperty<TColor> GradientBottom;
  TNotifyingProperty<TColor> Frame;
  TNotifyingProperty<TColor> FocusFrame;
  TNotifyingProperty<TColor> HoverFrame;
  TNotifyingProperty<TColor> Mark;
};

// The caption's colours: grey when disabled, the accent while highlighted and
// not under the mouse, else the normal text colour.
class TQuadCaptionColors {
 public:
  std::function<void()> OnChangeColors;

  TNotifyingProperty<TColor> Normal{OnChangeColors, 0x000000};
  TNotifyingProperty<TColor> HighLight{OnChangeColors, 0x7C5E4B};
  TNotifyingProperty<TColor> Disabled{OnChangeColors, 0x818181};
};

// The program's check box: a 15 x 15 square with a soft gradient, a rounded
// frame, a second frame under the mouse, a cross or a hook, and the caption to
// its right. Its own Enabled flag leaves the widget alive, so a disabled box
// still tracks the mouse but never toggles. With RadioCheck it acts as a radio
// button among the radio boxes of the same window.
class TVistaQuadCheckBox : public TClickableControl {
  Q_OBJECT
 public:
  explicit TVistaQuadCheckBox(QWidget* parent = nullptr);

  static constexpr int BoxSize = 15;
  static constexpr int CaptionLeft = 18;
  static constexpr int AutosizeExtra = 22;

  const QString& Caption() const { return CaptionText; }
  void SetCaption(const QString& caption);
  TStyle Style() const { return StyleValue; }
  void SetStyle(TStyle value);
  TCheckSymbol CheckSymbol() const { return SymbolValue; }
  void SetCheckSymbol(TCheckSymbol value);
  bool Checked() const { return IsChecked; }
  void SetChecked(bool value);
  void SetEnabled(bool value);
  bool Autosize() const { return IsAutosize; }
  void SetAutosize(bool value);
  bool TabStop() const { return IsTabStop; }
  void SetTabStop(bool value);
  TColor Color() const { return BackColor; }
  void SetColor(TColor value);
  const QFont& Font() const { return CaptionFont; }
  void SetFont(const QFont& font);

  bool HighLight = false;   // caption in the accent colour while the mouse is away
  bool RadioCheck = false;  // act as a radio button among the window's radio boxes

  TOnChangeCheck OnChangeCheck;  // the user's toggles only, never a change in code
  std::function<void()> OnClick;

  TQuadCheckColors BlueColors{0xF6DBC3, 0xFCEEDE, 0xD99D6F, 0x0072E2, 0x0099FF, 0x512C13};
  TQuadCheckColors GrayColors{0xCECAC5, 0xEEECEC, 0x707070, 0xA98832, 0xF9DA61, 0x6D5C53};
  // A disabled box shows neither focus nor hover frame.
  TQuadCheckColors DisabledColors{0xC1C1C1, 0xD9D9D9, 0x818181, 0x818181, 0x818181, 0x818181};
  TQuadCaptionColors CaptionColors;

  // The colour set of the current look.
  const TQuadCheckColors& LookColors() const;
  TColor CaptionColor() const;

  // The toggle of a mouse click or the space bar; a disabled box does nothing.
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // At least 15 x 15; with Autosize the caption's width + 22 by 15.
  void FitSize();
  void PaintBox(QPainter& painter);
  void PaintCaption(QPainter& painter);
  void SetCheckedAndNotify(bool value, TVistaQuadCheckBox* sender);

  QString CaptionText;
  QFont CaptionFont;
  TColor BackColor;
  TStyle StyleValue = TStyle::sBLUE;
  TCheckSymbol SymbolValue = TCheckSymbol::sCross;
  bool IsChecked = false;
  bool IsAutosize = true;
  bool IsTabStop = true;
};
