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

TEST(PuzzleMemo, ASecondButtonOnlyFiresAnotherDown) {
  TTile t;
  QTest::mousePress(t.Window.windowHandle(), Qt::LeftButton, {}, {60, 60});
  QTest::mousePress(t.Window.windowHandle(), Qt::RightButton, {}, {60, 60});
  EXPECT_EQ(t.Downs, 2);
  QTest::mouseRelease(t.Window.windowHandle(), Qt::RightButton, {}, {60, 60});
  EXPECT_TRUE(t.ShowsPhoto()) << "the left button is still held";
  QTest::mouseRelease(t.Window.windowHandle(), Qt::LeftButton, {}, {60, 60});
  EXPECT_FALSE(t.ShowsPhoto());
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
