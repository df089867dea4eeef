// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "controls/TrovGameButton.h"

namespace {

// A window with one program-coloured button, shown offscreen.
struct TButtonWindow {
  QWidget Window;
  TTrovGameButton* Button = new TTrovGameButton(&Window);
  int Clicks = 0;

  TButtonWindow() {
    Window.resize(200, 100);
    Button->setGeometry(20, 20, 90, 28);
    ApplyProgramButtonColors(Button->ButtonColors);
    Button->OnClick = [this] { ++Clicks; };
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
  }

  QPoint Inside() const { return Button->rect().center(); }
  QPoint Outside() const { return Button->rect().bottomRight() + QPoint(30, 30); }
  QRgb Pixel(int x, int y) const { return Button->grab().toImage().pixel(x, y); }
};

}  // namespace

TEST(ChooseButtonLook, FirstMatchWins) {
  struct TCase {
    bool Enabled, Downed, Pressed, Hovered;
    TButtonLook Look;
  };
  const TCase cases[] = {
      {false, true, true, true, TButtonLook::Disabled},
      {true, true, false, false, TButtonLook::Down},
      {true, false, true, true, TButtonLook::Down},
      {true, false, false, true, TButtonLook::Hover},
      {true, false, true, false, TButtonLook::Normal},  // pressed, then left by the mouse
      {true, false, false, false, TButtonLook::Normal},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(ChooseButtonLook(c.Enabled, c.Downed, c.Pressed, c.Hovered), c.Look)
        << c.Enabled << c.Downed << c.Pressed << c.Hovered;
}

TEST(TrovGameButton, FacesAndFramesFollowTheLook) {
  TButtonWindow w;
  // Normal, top and bottom borders off: upper half starts with Color1, lower half ends with Color4;
  // dark outer, light inner line.
  EXPECT_EQ(w.Pixel(10, 0), RgbOf(0xD4DCE3));
  EXPECT_EQ(w.Pixel(10, 27), RgbOf(0xBCC8D3));
  EXPECT_EQ(w.Pixel(0, 10), RgbOf(0x3C4D5A));
  EXPECT_EQ(w.Pixel(1, 10), RgbOf(0x8CA1B0));
  EXPECT_EQ(w.Pixel(10, 14), RgbOf(0xACBAC8)) << "the lower half begins at H div 2";

  w.Button->Borders.Top = true;
  w.Button->Borders.Bottom = true;
  EXPECT_EQ(w.Pixel(10, 0), RgbOf(0x3C4D5A));
  EXPECT_EQ(w.Pixel(10, 1), RgbOf(0x8CA1B0));
  EXPECT_EQ(w.Pixel(89, 27), RgbOf(0x3C4D5A));

  // Downed: down colours and swapped lines whatever the mouse does.
  w.Button->SetDowned(true);
  EXPECT_EQ(w.Button->Look(), TButtonLook::Down);
  EXPECT_EQ(w.Pixel(0, 10), RgbOf(0x8CA1B0));
  EXPECT_EQ(w.Pixel(1, 10), RgbOf(0x3C4D5A));
  EXPECT_EQ(w.Pixel(10, 14), RgbOf(0x4C6171));

  w.Button->SetDowned(false);
  w.Button->SetEnabled(false);
  EXPECT_EQ(w.Button->Look(), TButtonLook::Disabled);
  EXPECT_EQ(w.Pixel(10, 14), RgbOf(0xC1C1C1));
}

TEST(TrovGameButton, FocusColourNeedsTabStop) {
  TButtonWindow w;
  w.Button->setFocus();
  w.Window.activateWindow();
  QTest::mouseClick(w.Button, Qt::LeftButton, {}, w.Inside());
  ASSERT_TRUE(w.Button->Focused());
  EXPECT_EQ(w.Pixel(1, 10), RgbOf(0x8CA1B0)) << "no focus colour without TabStop";
  w.Button->TabStop = true;
  w.Button->update();
  EXPECT_EQ(w.Pixel(1, 10), RgbOf(0x0072E2));
}

TEST(SplitCaption, BreaksAtTheFirstHashOnly) {
  struct TCase {
    QString Caption, Line1, Line2;
    bool TwoLines;
  };
  const TCase cases[] = {{"OK", "OK", "", false},
                         {"A#B#C", "A", "B#C", true},
                         {"#", "", "", true},
                         {"Spiel#starten", "Spiel", "starten", true}};
  for (const TCase& c : cases) {
    const TCaptionLines lines = SplitCaption(c.Caption);
    EXPECT_EQ(lines.Line1, c.Line1);
    EXPECT_EQ(lines.Line2, c.Line2);
    EXPECT_EQ(lines.TwoLines, c.TwoLines);
  }
}

TEST(TrovGameButton, TwoLineCaptionSitsAroundTheCentreLine) {
  TButtonWindow w;
  w.Button->resize(90, 40);
  auto darkRows = [&](const QString& caption) {
    w.Button->SetCaption(caption);
    const QImage image = w.Button->grab().toImage();
    int above = 0, below = 0;
    for (int y = 2; y < 38; ++y)
      for (int x = 2; x < 88; ++x)
        if (qGray(image.pixel(x, y)) < 80) (y < 20 ? above : below)++;
    return std::pair{above, below};
  };
  const auto [above, below] = darkRows("AB#CD");
  EXPECT_GT(above, 10);
  EXPECT_GT(below, 10);
  const auto [top, bottom] = darkRows("A#");
  EXPECT_GT(top, 5);
  EXPECT_EQ(bottom, 0);
}

TEST(TrovGameButton, PictureIsCentredAloneAndMovesLeftBesideACaption) {
  TButtonWindow w;
  QImage glyph(16, 16, QImage::Format_RGB888);
  glyph.fill(Qt::white);
  for (int y = 4; y < 12; ++y)
    for (int x = 4; x < 12; ++x) glyph.setPixel(x, y, qRgb(200, 0, 0));
  w.Button->SetPicIdle(glyph);
  // 90 x 28: the picture starts at 90 div 2 - 8 = 37, 28 div 2 - 8 = 6.
  EXPECT_EQ(w.Pixel(37 + 4, 6 + 4), qRgb(200, 0, 0));
  EXPECT_NE(w.Pixel(37, 6), qRgb(255, 255, 255)) << "the key colour is left out";
  w.Button->SetCaption("Go");
  EXPECT_EQ(w.Pixel(4 + 4, 6 + 4), qRgb(200, 0, 0));
  w.Button->SetEnabled(false);
  const QRgb grey = w.Pixel(4 + 4, 6 + 4);
  EXPECT_TRUE(qRed(grey) == qGreen(grey) && qGreen(grey) == qBlue(grey));
}

TEST(TrovGameButton, PressLeaveReturnReleaseClicksOnce) {
  TButtonWindow w;
  QTest::mousePress(w.Button, Qt::LeftButton, {}, w.Inside());
  EXPECT_EQ(w.Button->Look(), TButtonLook::Down);
  QTest::mouseMove(w.Button, w.Outside());
  EXPECT_EQ(w.Button->Look(), TButtonLook::Normal);
  QTest::mouseMove(w.Button, w.Inside());
  EXPECT_EQ(w.Button->Look(), TButtonLook::Down);
  QTest::mouseRelease(w.Button, Qt::LeftButton, {}, w.Inside());
  EXPECT_EQ(w.Clicks, 1);
  EXPECT_FALSE(w.Button->Pressed());
}

TEST(TrovGameButton, ReleaseOutsideOrOtherButtonsDoNotClick) {
  TButtonWindow w;
  QTest::mousePress(w.Button, Qt::LeftButton, {}, w.Inside());
  QTest::mouseMove(w.Button, w.Outside());
  QTest::mouseRelease(w.Button, Qt::LeftButton, {}, w.Outside());
  QTest::mouseClick(w.Button, Qt::RightButton, {}, w.Inside());
  QTest::mouseClick(w.Button, Qt::MiddleButton, {}, w.Inside());
  EXPECT_EQ(w.Clicks, 0);
}

TEST(TrovGameButton, DisabledButtonTracksTheMouseButNeverClicks) {
  TButtonWindow w;
  w.Button->SetEnabled(false);
  QTest::mousePress(w.Button, Qt::LeftButton, {}, w.Inside());
  EXPECT_TRUE(w.Button->Pressed());
  EXPECT_EQ(w.Button->Look(), TButtonLook::Disabled);
  EXPECT_FALSE(w.Button->Focused());
  QTest::mouseRelease(w.Button, Qt::LeftButton, {}, w.Inside());
  EXPECT_EQ(w.Clicks, 0);
}

TEST(TrovGameButton, DoubleClickClicksOnce) {
  TButtonWindow w;
  QTest::mouseDClick(w.Window.windowHandle(), Qt::LeftButton, {},
                     w.Button->mapTo(&w.Window, w.Inside()));
  EXPECT_EQ(w.Clicks, 1);
  QTest::mouseClick(w.Window.windowHandle(), Qt::LeftButton, {},
                    w.Button->mapTo(&w.Window, w.Inside()));
  EXPECT_EQ(w.Clicks, 2) << "a later single click counts again";
}

TEST(OfferDialogKey, DefaultTakesEnterCancelTakesEscDisabledSwallows) {
  QWidget window;
  auto* ok = new TTrovGameButton(&window);
  auto* cancel = new TTrovGameButton(&window);
  auto* plain = new TTrovGameButton(&window);
  int okClicks = 0, cancelClicks = 0, plainClicks = 0;
  ok->OnClick = [&] { ++okClicks; };
  cancel->OnClick = [&] { ++cancelClicks; };
  plain->OnClick = [&] { ++plainClicks; };
  ok->SetDefault(true);
  cancel->Cancel = true;
  window.show();

  EXPECT_TRUE(OfferDialogKey(&window, Qt::Key_Return));
  EXPECT_TRUE(OfferDialogKey(&window, Qt::Key_Escape));
  EXPECT_FALSE(OfferDialogKey(&window, Qt::Key_Space));
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(cancelClicks, 1);

  ok->SetEnabled(false);
  EXPECT_TRUE(OfferDialogKey(&window, Qt::Key_Enter)) << "a disabled Default button swallows Enter";
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(plainClicks, 0);
}

TEST(TrovGameButton, EnterClicksAFocusedButtonOnlyWithTabStop) {
  TButtonWindow w;
  QTest::keyClick(w.Button, Qt::Key_Return);
  QTest::keyClick(w.Button, Qt::Key_Space);
  EXPECT_EQ(w.Clicks, 0);
  w.Button->TabStop = true;
  QTest::keyClick(w.Button, Qt::Key_Return);
  EXPECT_EQ(w.Clicks, 1);
}
