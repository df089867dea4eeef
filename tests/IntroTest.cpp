// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "media/FuncUnit.h"
#include "media/Unit_Form_Intro.h"
#include "tests/Eventually.h"

TEST(Intro, PlacesTheLogoAndTheFire) {
  TForm_Intro intro;
  intro.Timer_Blend.stop();
  intro.resize(1024, 768);
  EXPECT_EQ(intro.LogoPosition({250, 75}), QPoint(387, 75));
  EXPECT_EQ(intro.FirePosition(), QPoint(112, 168));
}

TEST(Intro, EachStepDrawsTheBlendAtTheBottomCentre) {
  TForm_Intro intro;
  intro.Timer_Blend.stop();
  const QPoint fire = intro.FirePosition();
  EXPECT_EQ(fire, QPoint(intro.width() / 2 - 400, intro.height() - 600));
  const QPoint logo = intro.LogoPosition({250, 75});
  EXPECT_NE(intro.Image_Intro.pixel(logo + QPoint(125, 37)), qRgb(0, 0, 0))
      << "the logo is drawn at the start";
  EXPECT_EQ(intro.Image_Intro.pixel(fire + QPoint(400, 300)), qRgb(0, 0, 0))
      << "the fire starts black";
  intro.Timer_BlendTimer();
  EXPECT_EQ(intro.BlendLevel, 253);
  EXPECT_EQ(intro.Image_Intro.pixel(fire + QPoint(400, 300)),
            intro.BlendedImage.convertToFormat(QImage::Format_RGB32).pixel(400, 300));
  // On a screen of the picture's own size the fire fills it, over the logo.
  intro.resize(800, 600);
  EXPECT_EQ(intro.FirePosition(), QPoint(0, 0));
  EXPECT_TRUE(QRect(intro.FirePosition(), QSize(800, 600))
                  .contains(QRect(intro.LogoPosition({250, 75}), QSize(250, 75))));
}

TEST(Intro, FadesInOver126StepsAndFinishesOnce) {
  TForm_Intro intro;
  // 127 ticks must never end before 127 × 33 ms.
  EXPECT_EQ(intro.Timer_Blend.timerType(), Qt::PreciseTimer);
  intro.Timer_Blend.stop();
  int finished = 0;
  intro.OnFinished = [&](QObject* sender) {
    ++finished;
    EXPECT_EQ(sender, &intro.Timer_Blend);
    EXPECT_FALSE(intro.Timer_Blend.isActive());
  };
  for (int tick = 1; tick <= 126; ++tick) intro.Timer_BlendTimer();
  EXPECT_EQ(finished, 0);
  EXPECT_EQ(intro.BlendLevel, 3);
  // Blended step by step, the picture ends as the fire with every byte one lower.
  for (QPoint p : {QPoint(400, 300), QPoint(200, 500), QPoint(0, 0), QPoint(650, 420)}) {
    const QRgb fire = intro.FireImage.pixel(p), blended = intro.BlendedImage.pixel(p);
    EXPECT_EQ(qRed(blended), std::max(qRed(fire) - 1, 0)) << p.x() << "," << p.y();
    EXPECT_EQ(qGreen(blended), std::max(qGreen(fire) - 1, 0));
  }
  intro.Timer_BlendTimer();
  EXPECT_EQ(finished, 1);
}

TEST(Intro, EscAsTheLastKeyBeforeATickSkips) {
  TForm_Intro intro;
  int finished = 0;
  intro.OnFinished = [&](QObject*) { ++finished; };
  intro.Timer_Blend.stop();
  QTest::keyClick(&intro, Qt::Key_Escape);
  QTest::keyClick(&intro, Qt::Key_A);
  intro.Timer_BlendTimer();
  EXPECT_EQ(finished, 0) << "another key after Esc takes the skip back";
  intro.Timer_Blend.start();
  QTest::keyClick(&intro, Qt::Key_Escape);
  ASSERT_EVENTUALLY(finished == 1);
  EXPECT_FALSE(intro.Timer_Blend.isActive()) << "the timer stopped first";
}

TEST(Intro, HidesTheMousePointerWhileItExists) {
  {
    TForm_Intro intro;
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// The desktop shows the main window alone in its taskbar and pager.
TEST(Intro, IsASplashOfItsOwnerWithoutATaskbarEntry) {
  QWidget owner;
  owner.show();
  TForm_Intro intro(&owner);
  intro.Timer_Blend.stop();
  intro.show();
  EXPECT_TRUE(intro.isWindow());
  EXPECT_EQ(intro.windowType(), Qt::SplashScreen);
  ASSERT_TRUE(intro.windowHandle());
  EXPECT_EQ(intro.windowHandle()->transientParent(), owner.windowHandle());
  EXPECT_EQ(intro.geometry(), owner.screen()->geometry());
}
