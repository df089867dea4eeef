// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QTest>

#include "controls/PuzzleMemo.h"

namespace {

QImage Solid(int w, int h, QRgb rgb) {
  QImage image(w, h, QImage::Format_RGB888);
  image.fill(rgb);
  return image;
}

// A shown tile with a red photo and a 49 x 35 symbol: magenta key, a blue body.
struct TTile {
  QWidget Window;
  TPuzzleMemo* Tile = new TPuzzleMemo(&Window);
  int Downs = 0, Ups = 0, Clicks = 0;

  explicit TTile(int side = 101) {
    Window.resize(300, 300);
    Tile->setGeometry(50, 50, side, side);
    QImage symbol = Solid(49, 35, qRgb(255, 0, 255));
    for (int y = 5; y < 30; ++y)
      for (int x = 5; x < 44; ++x) symbol.setPixel(x, y, qRgb(0, 0, 200));
    Tile->SetDeckSymbol(symbol);
    Tile->SetMemoBitmap(Solid(350, 200, qRgb(220, 0, 0)));
    Tile->OnMouseDown = [this](TPuzzleMemo*) { ++Downs; };
    Tile->OnMouseUp = [this](TPuzzleMemo*) { ++Ups; };
    Tile->OnClick = [this](TPuzzleMemo*) { ++Clicks; };
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
  }
  QRgb Shown(int x, int y) const { return Tile->ShownImage().pixel(x, y); }
  bool ShowsPhoto() const { return Shown(2, 2) == qRgb(220, 0, 0); }
  QPoint Inside() const { return {50, 50}; }
  QPoint Outside() const { return {250, 250}; }
};

}  // namespace

TEST(PuzzleMemo, BackHasTheGradientAndTheSymbolCentred) {
  TTile t;
  EXPECT_EQ(t.Shown(0, 0), RgbOf(0xA3957D));
  EXPECT_EQ(t.Shown(0, 100), RgbOf(0x90826B));
  // 101 x 101 with 49 x 35: the symbol's corner at (26, 33); its key colour leaves the gradient.
  EXPECT_EQ(t.Shown(26 + 5, 33 + 5), qRgb(0, 0, 200));
  EXPECT_EQ(t.Shown(26 + 4, 33 + 4), t.Shown(0, 33 + 4));
  EXPECT_EQ(t.Shown(26 + 4, 33 + 5), t.Shown(0, 33 + 5));
  EXPECT_EQ(t.Tile->grab().toImage().pixel(26 + 5, 33 + 5), qRgb(0, 0, 200))
      << "painting is the prepared copy";
}

TEST(PuzzleMemo, ASmallTileShowsTheSymbolsMiddleAndAnyPhotoFillsIt) {
  TTile t(20);
  EXPECT_EQ(t.Shown(0, 0), qRgb(0, 0, 200)) << "the middle of the symbol, clipped";
  t.Tile->ShowMemo = true;
  for (QPoint p : {QPoint(0, 0), QPoint(19, 19), QPoint(10, 0)})
    EXPECT_EQ(t.Shown(p.x(), p.y()), qRgb(220, 0, 0));
}

TEST(PuzzleMemo, HoldingAButtonPeeksUntilTheRelease) {
  TTile t;
  QTest::mousePress(t.Tile, Qt::LeftButton, {}, {10, 10});
  EXPECT_TRUE(t.ShowsPhoto());
  QTest::mouseMove(t.Tile, t.Outside());
  EXPECT_TRUE(t.ShowsPhoto());
  QTest::mouseRelease(t.Tile, Qt::LeftButton, {}, t.Outside());
  EXPECT_FALSE(t.ShowsPhoto());
  EXPECT_EQ(t.Downs, 1);
  EXPECT_EQ(t.Ups, 1);
  EXPECT_EQ(t.Clicks, 0) << "released outside";
  QTest::mouseClick(t.Tile, Qt::LeftButton, {}, {10, 10});
  EXPECT_EQ(t.Clicks, 1);
}

TEST(PuzzleMemo, ARightButtonPeekEndsOnAReleaseAnywhere) {
  TTile t;
  QTest::mousePress(t.Window.windowHandle(), Qt::RightButton, {}, {60, 60});
  EXPECT_TRUE(t.ShowsPhoto());
  QTest::mouseRelease(t.Window.windowHandle(), Qt::RightButton, {}, t.Outside());
  EXPECT_FALSE(t.ShowsPhoto());
  EXPECT_EQ(t.Downs, 1);
  EXPECT_EQ(t.Ups, 1);
}

TEST(PuzzleMemo, TheFirstReleaseOfTwoHeldButtonsEndsThePeek) {
  for (Qt::MouseButton first : {Qt::LeftButton, Qt::RightButton}) {
    TTile t;
    const Qt::MouseButton second = first == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
    QTest::mousePress(t.Window.windowHandle(), Qt::LeftButton, {}, {60, 60});
    QTest::mousePress(t.Window.windowHandle(), Qt::RightButton, {}, {60, 60});
    EXPECT_EQ(t.Downs, 2);
    QTest::mouseRelease(t.Window.windowHandle(), first, {}, {60, 60});
    EXPECT_FALSE(t.ShowsPhoto()) << "another button is still held, yet the peek is over";
    EXPECT_EQ(t.Ups, 1);
    QTest::mouseRelease(t.Window.windowHandle(), second, {}, {60, 60});
    EXPECT_FALSE(t.ShowsPhoto());
    EXPECT_EQ(t.Ups, 2);
  }
}

namespace {

// Mouse events handed to the window at chosen times, as the platform delivers
// them, so that Qt's own double-click detection turns a quick second press into
// a double-click event.
struct TTimedMouse {
  explicit TTimedMouse(QWindow* window) : Window(window) {}
  QWindow* Window;
  int Time = 100000;
  Qt::MouseButtons Held;

  void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, int afterMs) {
    Time += afterMs;
    qt_handleMouseEvent(Window, at, Window->mapToGlobal(at), Held, button, type, {}, Time);
    QCoreApplication::processEvents();
  }
  void Move(QPoint at, int afterMs) { Send(QEvent::MouseMove, at, Qt::NoButton, afterMs); }
  void Press(QPoint at, Qt::MouseButton button, int afterMs) {
    Held |= button;
    Send(QEvent::MouseButtonPress, at, button, afterMs);
  }
  void Release(QPoint at, Qt::MouseButton button, int afterMs) {
    Held &= ~button;
    Send(QEvent::MouseButtonRelease, at, button, afterMs);
  }
};

struct TDoubleClickCounter : QObject {
  int Count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonDblClick) ++Count;
    return false;
  }
};

}  // namespace

// A fast player's second press comes within the double-click time: it still
// peeks and reports a press, on the same tile and on the one beside it.
TEST(PuzzleMemo, AQuickSecondPressCountsOnTheSameTileAndOnItsNeighbour) {
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    SCOPED_TRACE(button);
    const int clicks = button == Qt::LeftButton ? 1 : 0;
    {
      TTile t;
      TDoubleClickCounter doubles;
      t.Tile->installEventFilter(&doubles);
      TTimedMouse mouse{t.Window.windowHandle()};
      mouse.Move({60, 60}, 10);
      mouse.Press({60, 60}, button, 10);
      mouse.Release({60, 60}, button, 60);
      mouse.Press({60, 60}, button, 60);
      ASSERT_EQ(doubles.Count, 1) << "Qt saw a double click";
      EXPECT_TRUE(t.ShowsPhoto());
      EXPECT_EQ(t.Downs, 2);
      mouse.Release({60, 60}, button, 60);
      EXPECT_FALSE(t.ShowsPhoto());
      EXPECT_EQ(t.Ups, 2);
      EXPECT_EQ(t.Clicks, clicks) << "one click for a double click";
    }
    {
      // Tiles 4 px apart; the second press 5 px right of the first, 100 ms later.
      TTile t;
      TPuzzleMemo* neighbour = new TPuzzleMemo(&t.Window);
      neighbour->setGeometry(155, 50, 101, 101);
      neighbour->SetMemoBitmap(Solid(350, 350, qRgb(0, 200, 0)));
      neighbour->show();
      int neighbourDowns = 0, neighbourClicks = 0;
      neighbour->OnMouseDown = [&](TPuzzleMemo*) { ++neighbourDowns; };
      neighbour->OnClick = [&](TPuzzleMemo*) { ++neighbourClicks; };
      TDoubleClickCounter doubles;
      neighbour->installEventFilter(&doubles);
      TTimedMouse mouse{t.Window.windowHandle()};
      mouse.Move({150, 60}, 10);
      mouse.Press({150, 60}, button, 10);
      mouse.Release({150, 60}, button, 50);
      mouse.Move({155, 60}, 25);
      mouse.Press({155, 60}, button, 25);
      ASSERT_EQ(doubles.Count, 1) << "Qt saw a double click";
      EXPECT_EQ(neighbour->ShownImage().pixel(2, 2), qRgb(0, 200, 0)) << "the neighbour peeks";
      EXPECT_EQ(neighbourDowns, 1);
      mouse.Release({155, 60}, button, 60);
      EXPECT_EQ(t.Clicks, clicks);
      EXPECT_EQ(neighbourClicks, clicks) << "the neighbour's own first click";
    }
  }
}

TEST(PuzzleMemo, ALockedTileReportsButNeverPeeksHoversOrClicks) {
  TTile t;
  t.Tile->Locked = true;
  QEnterEvent enter(QPointF(5, 5), QPointF(55, 55), QPointF(55, 55));
  QCoreApplication::sendEvent(t.Tile, &enter);
  EXPECT_FALSE(t.Tile->Hovered());
  EXPECT_EQ(t.Shown(0, 0), RgbOf(0xA3957D));
  QTest::mouseClick(t.Tile, Qt::LeftButton, {}, {10, 10});
  EXPECT_FALSE(t.Tile->Pressed());
  EXPECT_EQ(t.Downs, 1);
  EXPECT_EQ(t.Ups, 1);
  EXPECT_EQ(t.Clicks, 0);
}

TEST(PuzzleMemo, HoverLightsTheBackAndAFaceUpTileKeepsItsPhoto) {
  TTile t;
  QEnterEvent enter(QPointF(5, 5), QPointF(55, 55), QPointF(55, 55));
  QCoreApplication::sendEvent(t.Tile, &enter);
  EXPECT_TRUE(t.Tile->Hovered());
  EXPECT_EQ(t.Shown(0, 0), RgbOf(0xCBC1AF));
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(t.Tile, &leave);
  EXPECT_EQ(t.Shown(0, 0), RgbOf(0xA3957D));
  t.Tile->ShowMemo = true;
  QCoreApplication::sendEvent(t.Tile, &enter);
  EXPECT_TRUE(t.ShowsPhoto());
  QTest::mouseClick(t.Tile, Qt::LeftButton, {}, {10, 10});
  EXPECT_TRUE(t.ShowsPhoto()) << "face up whatever the mouse does";
}
