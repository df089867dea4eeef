// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include "media/FuncUnit.h"
#include "media/ResourceCatalogue.h"

namespace {

QImage Filled(int w, int h, QRgb rgb, QImage::Format format = QImage::Format_RGB888) {
  QImage image(w, h, format);
  image.fill(rgb);
  return image;
}

}  // namespace

TEST(ColorOf, ReadsBlueFromTheHighByte) {
  EXPECT_EQ(ColorOf(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(ColorOf(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(ColorOf(0x2557B1), QColor(0xB1, 0x57, 0x25));
  EXPECT_EQ(PointsToPixels(10), 13);
  EXPECT_EQ(PointsToPixels(8), 11);
  EXPECT_EQ(PointsToPixels(24), 32);
}

TEST(FillVerticalGradient, FirstAndLastRowsExactMiddleInterpolated) {
  QImage image = Filled(7, 5, qRgb(1, 2, 3), QImage::Format_RGB32);
  QPainter painter(&image);
  FillVerticalGradient(painter, QRect(1, 0, 5, 5), MakeColor(0, 10, 255), MakeColor(100, 0, 0));
  painter.end();
  EXPECT_EQ(image.pixel(1, 0), qRgb(0, 10, 255));
  EXPECT_EQ(image.pixel(5, 4), qRgb(100, 0, 0));
  EXPECT_EQ(image.pixel(3, 2), qRgb(50, 5, 128));
  EXPECT_EQ(image.pixel(3, 1), qRgb(25, 8, 191));
  EXPECT_EQ(image.pixel(0, 2), qRgb(1, 2, 3)) << "outside the rectangle nothing changes";
  EXPECT_EQ(image.pixel(6, 2), qRgb(1, 2, 3));
}

TEST(BlendBitmaps, WeightsWorkOnRawBytesWithTruncation) {
  QImage dest = Filled(1, 1, qRgb(0, 0, 0));
  QImage source = Filled(1, 1, qRgb(200, 200, 200));
  BlendBitmaps(dest, source, 253);
  EXPECT_EQ(dest.pixel(0, 0), qRgb(1, 1, 1));
  BlendBitmaps(dest, source, 251);
  EXPECT_EQ(dest.pixel(0, 0), qRgb(4, 4, 4));
}

TEST(BlendBitmaps, Weight255KeepsDestAndWeight0CopiesSource) {
  QImage dest(16, 9, QImage::Format_RGB888);
  QImage source(16, 9, QImage::Format_RGB888);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 16; ++x) {
      dest.setPixel(x, y, qRgb(x * 16, y * 28, 255 - x));
      source.setPixel(x, y, qRgb(y, x, x * y));
    }
  const QImage before = dest.copy();
  BlendBitmaps(dest, source, 255);
  EXPECT_EQ(dest, before);
  BlendBitmaps(dest, source, 0);
  EXPECT_EQ(dest, source);
}

TEST(BlendBitmaps, EveryByteFollowsTheFormula) {
  QImage dest(803, 3, QImage::Format_RGB888), source(803, 3, QImage::Format_RGB888);
  unsigned seed = 7;
  auto next = [&] { return static_cast<uchar>((seed = seed * 1103515245 + 12345) >> 16); };
  for (int y = 0; y < 3; ++y)
    for (int i = 0; i < 803 * 3; ++i) dest.scanLine(y)[i] = next(), source.scanLine(y)[i] = next();
  for (int weight : {0, 1, 2, 127, 128, 253, 254, 255}) {
    QImage expected = dest.copy();
    for (int y = 0; y < 3; ++y)
      for (int i = 0; i < 803 * 3; ++i)
        expected.scanLine(y)[i] = static_cast<uchar>(
            (source.scanLine(y)[i] * (255 - weight) + expected.scanLine(y)[i] * weight) / 255);
    BlendBitmaps(dest, source, weight);
    ASSERT_EQ(dest, expected) << "weight " << weight;
  }
}

TEST(BlendBitmaps, SmallerSourceChangesOnlyItsRectangleAndFormatsBecome24Bit) {
  QImage dest = Filled(4, 4, qRgb(10, 10, 10), QImage::Format_RGB32);
  QImage source = Filled(2, 3, qRgb(200, 100, 50), QImage::Format_RGB32);
  BlendBitmaps(dest, source, 0);
  EXPECT_EQ(dest.format(), QImage::Format_RGB888);
  EXPECT_EQ(source.format(), QImage::Format_RGB888);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(dest.pixel(x, y), x < 2 && y < 3 ? qRgb(200, 100, 50) : qRgb(10, 10, 10))
          << x << "," << y;
}

TEST(DrawTransparent, LeavesThePixelsUnderTheKeyColourAlone) {
  QImage canvas = Filled(3, 2, qRgb(0, 0, 255), QImage::Format_RGB32);
  QImage picture = Filled(3, 1, qRgb(255, 0, 255));
  picture.setPixel(1, 0, qRgb(255, 0, 0));
  QPainter painter(&canvas);
  DrawTransparent(painter, 0, 1, picture, ColorAt(picture, 0, 0));
  painter.end();
  EXPECT_EQ(canvas.pixel(0, 1), qRgb(0, 0, 255));
  EXPECT_EQ(canvas.pixel(1, 1), qRgb(255, 0, 0));
  EXPECT_EQ(canvas.pixel(2, 1), qRgb(0, 0, 255));
  EXPECT_EQ(canvas.pixel(1, 0), qRgb(0, 0, 255));
}

TEST(MakeGrayscale, WeighsTheChannels) {
  QImage image = Filled(2, 1, qRgb(100, 150, 200), QImage::Format_RGB32);
  MakeGrayscale(image);
  EXPECT_EQ(image.format(), QImage::Format_RGB888);
  EXPECT_EQ(image.pixel(1, 0), qRgb(140, 140, 140));  // (7700 + 22650 + 5600) div 256
}

TEST(StretchHalftone, AveragesTheAreaWhenShrinking) {
  QImage image(4, 4, QImage::Format_RGB888);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      image.setPixel(x, y, (x + y) % 2 ? qRgb(200, 200, 200) : qRgb(0, 0, 0));
  const QImage small = StretchHalftone(image, QSize(2, 2));
  ASSERT_EQ(small.size(), QSize(2, 2));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_NEAR(qRed(small.pixel(x, y)), 100, 2);
}

TEST(DecodeJpeg, GrayscaleComesOutAs24BitWithEqualChannels) {
  QImage gray(8, 8, QImage::Format_Grayscale8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) gray.scanLine(y)[x] = static_cast<uchar>(x * 30);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  if (!writer.canWrite()) GTEST_SKIP() << "no JPEG writer to make the grayscale sample";
  ASSERT_TRUE(writer.write(gray));
  QImage decoded;
  DecodeJpeg(decoded, bytes);
  ASSERT_EQ(decoded.format(), QImage::Format_RGB888);
  ASSERT_EQ(decoded.size(), QSize(8, 8));
  for (int x = 0; x < 8; ++x) {
    const QRgb p = decoded.pixel(x, 3);
    EXPECT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x;
  }
}

TEST(DecodeJpeg, RejectedDataRaisesAndLeavesTheBitmap) {
  QImage bitmap = Filled(5, 5, qRgb(255, 0, 0));
  const QImage before = bitmap.copy();
  for (const QByteArray& bad : {QByteArray(), QByteArray("not a jpeg at all"),
                                QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10)}) {
    EXPECT_THROW(DecodeJpeg(bitmap, bad), EJpegError);
    EXPECT_EQ(bitmap, before);
  }
}
