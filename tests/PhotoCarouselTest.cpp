// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "game/PhotoCarousel.h"
#include "media/FuncUnit.h"
#include "media/ResourceCatalogue.h"

namespace {

// A carousel on a 727-pixel play area over a background of horizontal stripes.
struct TCarousel {
  TPhotoCarousel Carousel;
  QImage Background{1024, 727, QImage::Format_RGB32};
  TCarousel() {
    for (int y = 0; y < 727; ++y)
      for (int x = 0; x < 1024; ++x) Background.setPixel(x, y, qRgb(x % 256, y % 256, 77));
    Carousel.BuildCarouselFrame(Background);
  }
};

}  // namespace

TEST(PhotoCarousel, GeometryOfA727PixelPlayArea) {
  TCarousel c;
  EXPECT_EQ(c.Carousel.Picture.size(), QSize(366, 727));
  EXPECT_EQ(c.Carousel.SlotRect(0), QRect(108, 53, 150, 150));
  EXPECT_EQ(c.Carousel.SlotRect(1), QRect(39, 220, 287, 287));
  EXPECT_EQ(c.Carousel.SlotRect(2), QRect(108, 523, 150, 150));
  // The frame lies at y = 213 … 512; its white window and holes show the background.
  const QImage frame = LoadBitmapResource("FRAME");
  int frameOwn = 0, seeThrough = 0;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 366; ++x) {
      const QRgb expected = ColorAt(frame, x, y) == 0xFFFFFF ? c.Background.pixel(x + 10, y + 213)
                                                             : frame.pixel(x, y);
      ASSERT_EQ(c.Carousel.Picture.pixel(x, y + 213), expected) << x << "," << y;
      (ColorAt(frame, x, y) == 0xFFFFFF ? seeThrough : frameOwn)++;
    }
  EXPECT_GT(frameOwn, 10000);
  EXPECT_GT(seeThrough, 287 * 287);
  EXPECT_EQ(c.Carousel.Picture.pixel(0, 100), c.Background.pixel(10, 100))
      << "a copy of what lies under it";
}

TEST(PhotoCarousel, ShowsNeighboursByNumberAndTheTargetsInOrder) {
  TCarousel c;
  c.Carousel.ShowAroundPhoto(1);
  EXPECT_EQ(c.Carousel.ShownPhotos, (std::array<int, 3>{25, 1, 2}));
  c.Carousel.ShowAroundPhoto(25);
  EXPECT_EQ(c.Carousel.ShownPhotos, (std::array<int, 3>{24, 25, 1}));
  std::array<int, 26> sequence{};
  for (int i = 1; i <= 25; ++i) sequence[static_cast<size_t>(i)] = 26 - i;
  int index = 0;
  c.Carousel.AdvanceTarget(index, sequence);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(c.Carousel.ShownPhotos, (std::array<int, 3>{sequence[25], sequence[1], sequence[2]}));

  // The large photo is the stretched photo itself, the small ones carry a dark border.
  QImage photo;
  LoadJpgResource(photo, PhotoResourceName(sequence[1]));
  const QImage large = StretchHalftone(photo, {287, 287});
  EXPECT_EQ(c.Carousel.Picture.pixel(39 + 140, 220 + 140),
            large.convertToFormat(QImage::Format_RGB32).pixel(140, 140));
  for (QPoint p : {QPoint(109, 100), QPoint(110, 100), QPoint(256, 100), QPoint(257, 100),
                   QPoint(180, 53), QPoint(180, 201)})
    EXPECT_EQ(c.Carousel.Picture.pixel(p), RgbOf(0x0D0F0F)) << p.x() << "," << p.y();
  EXPECT_NE(c.Carousel.Picture.pixel(108, 100), RgbOf(0x0D0F0F)) << "the border starts at x = 109";
}
