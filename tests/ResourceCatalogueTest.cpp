// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "media/FuncUnit.h"
#include "media/ResourceCatalogue.h"

TEST(PhotoResourceName, PadsToTwoDigits) {
  EXPECT_EQ(PhotoResourceName(1), "FOTO_01");
  EXPECT_EQ(PhotoResourceName(9), "FOTO_09");
  EXPECT_EQ(PhotoResourceName(10), "FOTO_10");
  EXPECT_EQ(PhotoResourceName(25), "FOTO_25");
}

TEST(LoadJpgResource, EveryCataloguePictureDecodesAt24BitInItsSize) {
  struct TCase {
    QString Name;
    QSize Size;
  };
  std::vector<TCase> cases{{"STONES", {240, 448}}, {"FIRE", {800, 600}}, {"TESSARYN", {250, 75}}};
  for (int photo = 1; photo <= 25; ++photo) cases.push_back({PhotoResourceName(photo), {350, 350}});
  for (const TCase& c : cases) {
    QImage bitmap;
    LoadJpgResource(bitmap, c.Name);
    EXPECT_EQ(bitmap.size(), c.Size) << c.Name.toStdString();
    EXPECT_EQ(bitmap.format(), QImage::Format_RGB888) << c.Name.toStdString();
  }
}

TEST(LoadJpgResource, UnknownNameNamesTypeAndNameAndLeavesTheBitmap) {
  QImage bitmap(3, 3, QImage::Format_RGB888);
  bitmap.fill(Qt::green);
  const QImage before = bitmap.copy();
  try {
    LoadJpgResource(bitmap, "FOTO_26");
    FAIL() << "no error";
  } catch (const EResourceNotFound& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("JPG"), std::string::npos) << message;
    EXPECT_NE(message.find("FOTO_26"), std::string::npos) << message;
  }
  EXPECT_EQ(bitmap, before);
  EXPECT_THROW(ResourceBytes(TResourceType::MP3, "FOTO_01"), EResourceNotFound)
      << "names are found by type";
}

TEST(ResourceCatalogue, BitmapsKeepTheirDepth) {
  EXPECT_EQ(LoadBitmapResource("FRAME").size(), QSize(366, 300));
  EXPECT_EQ(ColorAt(LoadBitmapResource("FRAME"), 150, 150), 0xFFFFFFu);
  const QImage camera = LoadBitmapResource("KAMERA");
  EXPECT_EQ(camera.size(), QSize(49, 35));
  EXPECT_EQ(camera.format(), QImage::Format_Indexed8);
  for (const char* name : {"MP3_SNAP", "MP3_SHOT", "MP3_FINALE", "MP3_INTRO", "MP3_MUSIC"})
    EXPECT_GT(ResourceBytes(TResourceType::MP3, name).size(), 1000) << name;
}
