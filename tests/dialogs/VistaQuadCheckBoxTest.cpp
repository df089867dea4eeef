// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>

#include "controls/VistaQuadCheckBox.h"

namespace {

// A window with one check box, shown offscreen; the edit holds the focus at first.
struct TBoxWindow {
  QWidget Window;
  QLineEdit* Edit = new QLineEdit(&Window);
  TVistaQuadCheckBox* Box = new TVistaQuadCheckBox(&Window);
  QList<std::pair<TVistaQuadCheckBox*, bool>> Changes;
  int Clicks = 0;

  TBoxWindow() {
    Window.resize(300, 100);
    Box->move(20, 20);
    Box->SetColor(0xE6E8EC);
    Box->OnChangeCheck = [this](TVistaQuadCheckBox* sender, bool checked) {
      Changes.append({sender, checked});
    };
    Box->OnClick = [this] { ++Clicks; };
    Window.show();
    Window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
    Edit->setFocus();
  }

  QRgb Pixel(int x, int y) const { return Box->grab().toImage().pixel(x, y); }
  void Hover(bool on) {
    if (on) {
      QEnterEvent enter(QPointF(5, 5), QPointF(25, 25), QPointF(25, 25));
      QCoreApplication::sendEvent(Box, &enter);
    } else {
      QEvent leave(QEvent::Leave);
      QCoreApplication::sendEvent(Box, &leave);
    }
  }
  void ClickBox() { QTest::mouseClick(Box, Qt::LeftButton, {}, QPoint(7, 7)); }
};

}  // namespace

TEST(VistaQuadCheckBox, LooksAndMarks) {
  struct TCase {
    TStyle Style;
    bool Enabled, Hovered, Checked;
    TCheckSymbol Symbol;
    TColor Top, Bottom, Frame, Second, Mark;  // Second: the pixel at (7, 1)
    QPoint MarkAt, BlankAt;
  };
  // Corners stay open and show the gradient; (7, 1) is the hover frame or the gradient.
  const QPoint crossCentre(7, 7), crossGap(7, 3), hookTip(5, 7), hookGap(7, 5);
  const TCase cases[] = {
      {TStyle::sBLUE, true, false, true, TCheckSymbol::sCross, 0xF6DBC3, 0xFCEEDE, 0xD99D6F, 0,
       0x512C13, crossCentre, crossGap},
      {TStyle::sBLUE, true, true, true, TCheckSymbol::sHook, 0xF6DBC3, 0xFCEEDE, 0xD99D6F, 0x0099FF,
       0x512C13, hookTip, hookGap},
      {TStyle::sGRAY, true, false, true, TCheckSymbol::sHook, 0xCECAC5, 0xEEECEC, 0x707070, 0,
       0x6D5C53, hookTip, hookGap},
      {TStyle::sGRAY, true, true, true, TCheckSymbol::sCross, 0xCECAC5, 0xEEECEC, 0x707070,
       0xF9DA61, 0x6D5C53, crossCentre, crossGap},
      // Disabled, either style: grey, and no hover frame even under the mouse.
      {TStyle::sBLUE, false, true, true, TCheckSymbol::sCross, 0xC1C1C1, 0xD9D9D9, 0x818181, 0,
       0x818181, crossCentre, crossGap},
      {TStyle::sGRAY, false, true, true, TCheckSymbol::sHook, 0xC1C1C1, 0xD9D9D9, 0x818181, 0,
       0x818181, hookTip, hookGap},
  };
  for (const TCase& c : cases) {
    TBoxWindow w;
    w.Box->SetStyle(c.Style);
    w.Box->SetEnabled(c.Enabled);
    w.Box->SetCheckSymbol(c.Symbol);
    w.Box->SetChecked(c.Checked);
    w.Hover(c.Hovered);
    const QImage image = w.Box->grab().toImage();
    SCOPED_TRACE(testing::Message() << int(c.Style) << c.Enabled << c.Hovered << int(c.Symbol));
    EXPECT_EQ(image.pixel(0, 0), RgbOf(c.Top));
    EXPECT_EQ(image.pixel(14, 14), RgbOf(c.Bottom));
    EXPECT_EQ(image.pixel(7, 0), RgbOf(c.Frame));
    EXPECT_EQ(image.pixel(0, 7), RgbOf(c.Frame));
    EXPECT_EQ(image.pixel(14, 7), RgbOf(c.Frame));
    if (c.Second != 0) {
      EXPECT_EQ(image.pixel(7, 1), RgbOf(c.Second));
    } else {
      EXPECT_NE(image.pixel(7, 1), RgbOf(c.Frame));
    }
    EXPECT_EQ(image.pixel(c.MarkAt), RgbOf(c.Mark));
    EXPECT_NE(image.pixel(c.BlankAt), RgbOf(c.Mark));
    EXPECT_EQ(image.pixel(16, 7), RgbOf(0xE6E8EC)) << "the control's colour right of the box";
  }
}

TEST(VistaQuadCheckBox, UncheckedShowsNoMark) {
  TBoxWindow w;
  const QRgb before = w.Pixel(7, 7);
  w.Box->SetChecked(true);
  EXPECT_EQ(w.Pixel(7, 7), RgbOf(0x512C13));
  w.Box->SetChecked(false);
  EXPECT_EQ(w.Pixel(7, 7), before);
}

TEST(VistaQuadCheckBox, CaptionColours) {
  struct TCase {
    bool Enabled, HighLight, Hovered;
    TColor Caption;
  };
  const TCase cases[] = {{true, false, false, 0x000000},
                         {true, true, false, 0x7C5E4B},
                         {true, true, true, 0x000000},
                         {false, true, false, 0x818181}};
  for (const TCase& c : cases) {
    TBoxWindow w;
    QFont heavy("Arial");  // thick strokes, so some pixels are the colour itself
    heavy.setPixelSize(20);
    heavy.setBold(true);
    w.Box->SetFont(heavy);
    w.Box->SetCaption("Sound");
    w.Box->SetEnabled(c.Enabled);
    w.Box->HighLight = c.HighLight;
    w.Hover(c.Hovered);
    EXPECT_EQ(w.Box->CaptionColor(), c.Caption);
    // The darkest caption pixel is the caption colour, up to the text's smoothing.
    const QImage image = w.Box->grab().toImage();
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 18; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < qGray(darkest)) darkest = image.pixel(x, y);
    const QRgb wanted = RgbOf(c.Caption);
    EXPECT_LE(std::abs(qRed(darkest) - qRed(wanted)) + std::abs(qGreen(darkest) - qGreen(wanted)) +
                  std::abs(qBlue(darkest) - qBlue(wanted)),
              6)
        << c.Enabled << c.HighLight << c.Hovered;
  }
}

TEST(VistaQuadCheckBox, AutosizeFollowsTheCaption) {
  TBoxWindow w;
  EXPECT_EQ(w.Box->size(), QSize(22, 15));
  w.Box->SetFont(QFont("Arial"));
  w.Box->SetCaption("Töne einschalten");
  EXPECT_EQ(w.Box->size(),
            QSize(QFontMetrics(w.Box->Font()).horizontalAdvance("Töne einschalten") + 22, 15));
  w.Box->SetCaption("");
  EXPECT_EQ(w.Box->size(), QSize(22, 15));
}

TEST(VistaQuadCheckBox, WithoutAutosizeItIsAtLeastTheBox) {
  QWidget window;
  auto* box = new TVistaQuadCheckBox(&window);
  box->SetAutosize(false);
  box->setGeometry(0, 0, 10, 10);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(box->size(), QSize(15, 15));
  box->resize(120, 30);
  EXPECT_EQ(box->size(), QSize(120, 30));
  EXPECT_EQ(box->grab().toImage().pixel(0, 0), RgbOf(0xF6DBC3)) << "the box stays at the top";
}

TEST(VistaQuadCheckBox, ClickAndSpaceToggleAndFocus) {
  TBoxWindow w;
  w.ClickBox();
  EXPECT_TRUE(w.Box->Checked());
  EXPECT_TRUE(w.Box->Focused());
  EXPECT_EQ(w.Pixel(7, 0), RgbOf(0x0072E2)) << "the focus frame after a click";
  QTest::keyClick(w.Box, Qt::Key_Space);
  EXPECT_FALSE(w.Box->Checked());
  QTest::mouseDClick(w.Window.windowHandle(), Qt::LeftButton, {},
                     w.Box->mapTo(&w.Window, QPoint(7, 7)));
  EXPECT_TRUE(w.Box->Checked()) << "a double click toggles once";
  QTest::mouseClick(w.Box, Qt::RightButton, {}, QPoint(7, 7));
  EXPECT_TRUE(w.Box->Checked());
  const QList<std::pair<TVistaQuadCheckBox*, bool>> expected = {
      {w.Box, true}, {w.Box, false}, {w.Box, true}};
  EXPECT_EQ(w.Changes, expected);
  EXPECT_EQ(w.Clicks, 3);

  w.Box->SetTabStop(false);
  EXPECT_EQ(w.Pixel(7, 0), RgbOf(0xD99D6F)) << "no focus colour without TabStop";
  w.Box->SetChecked(false);
  EXPECT_EQ(w.Changes.size(), 3) << "a change in code fires nothing";
}

TEST(VistaQuadCheckBox, ReleaseOutsideDoesNotToggle) {
  TBoxWindow w;
  QTest::mousePress(w.Box, Qt::LeftButton, {}, QPoint(7, 7));
  QTest::mouseRelease(w.Box, Qt::LeftButton, {}, QPoint(60, 60));
  EXPECT_FALSE(w.Box->Checked());
  EXPECT_EQ(w.Clicks, 0);
}

TEST(VistaQuadCheckBox, DisabledIgnoresClicksAndSpace) {
  TBoxWindow w;
  w.Box->SetEnabled(false);
  w.ClickBox();
  QTest::keyClick(w.Box, Qt::Key_Space);
  EXPECT_FALSE(w.Box->Checked());
  EXPECT_FALSE(w.Box->hasFocus());
  EXPECT_TRUE(w.Changes.isEmpty());
  EXPECT_EQ(w.Clicks, 0);
  w.Hover(true);
  EXPECT_TRUE(w.Box->Hovered()) << "still tracks the mouse";
}

TEST(VistaQuadCheckBox, RadioBoxesOfOneWindow) {
  TBoxWindow w;
  auto* second = new TVistaQuadCheckBox(&w.Window);
  auto* plain = new TVistaQuadCheckBox(&w.Window);
  second->move(20, 50);
  plain->move(20, 80);
  second->show();
  plain->show();
  QList<std::pair<TVistaQuadCheckBox*, bool>> secondChanges;
  second->OnChangeCheck = [&](TVistaQuadCheckBox* sender, bool checked) {
    secondChanges.append({sender, checked});
  };
  w.Box->RadioCheck = true;
  second->RadioCheck = true;
  plain->SetChecked(true);
  second->SetChecked(true);

  w.ClickBox();
  EXPECT_TRUE(w.Box->Checked());
  EXPECT_FALSE(second->Checked());
  EXPECT_TRUE(plain->Checked()) << "a box without RadioCheck is not in the group";
  const QList<std::pair<TVistaQuadCheckBox*, bool>> offByClick = {{w.Box, false}};
  EXPECT_EQ(secondChanges, offByClick) << "the clicked box is the sender";
  const QList<std::pair<TVistaQuadCheckBox*, bool>> offThenOn = {{w.Box, false}, {w.Box, true}};
  EXPECT_EQ(w.Changes, offThenOn);

  w.ClickBox();
  EXPECT_TRUE(w.Box->Checked()) << "clicking a checked radio box leaves it checked";
  EXPECT_EQ(w.Clicks, 2);
}
