// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QTest>

#include "controls/TrovLinkLabel.h"

namespace {

struct TLabelOnWindow {
  QWidget Window;
  TTrovLinkLabel Label{&Window};
  int Clicks = 0;
  TLabelOnWindow() {
    Window.resize(200, 60);
    Label.setGeometry(10, 10, 120, 20);
    Label.setText("example.org");
    Label.OnClick = [this] { ++Clicks; };
    Window.show();
  }
  // Two moves to different points: the platform drops a move to where the
  // pointer already is, and an earlier test may have left it there.
  void MoveOver() {
    QTest::mouseMove(&Label, {3, 4});
    QTest::mouseMove(&Label, {6, 7});
  }
  void Leave() {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&Label, &leave);
  }
};

}  // namespace

TEST(TrovLinkLabel, ConstructionDefaults) {
  TTrovLinkLabel label;
  EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_FALSE(label.font().underline());
  EXPECT_FALSE(label.font().bold());
  EXPECT_FALSE(label.autoFillBackground());
  EXPECT_FALSE(label.Hovered);
}

TEST(TrovLinkLabel, UnderlinedFromTheFirstMoveUntilTheMouseLeaves) {
  TLabelOnWindow t;
  int moves = 0;
  t.Label.OnMouseMove = [&](QMouseEvent*) { ++moves; };
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(&t.Label, &enter);
  EXPECT_FALSE(t.Label.Hovered) << "entry alone does not underline";
  EXPECT_FALSE(t.Label.font().underline());
  t.MoveOver();
  EXPECT_TRUE(t.Label.Hovered);
  EXPECT_TRUE(t.Label.font().underline());
  EXPECT_GE(moves, 1);
  t.Leave();
  EXPECT_FALSE(t.Label.Hovered);
  EXPECT_FALSE(t.Label.font().underline());
}

TEST(TrovLinkLabel, ABoldLabelIsUnderlinedAloneThenPlain) {
  TLabelOnWindow t;
  QFont font = t.Label.font();
  font.setBold(true);
  font.setItalic(true);
  t.Label.setFont(font);
  t.MoveOver();
  EXPECT_TRUE(t.Label.font().underline());
  EXPECT_FALSE(t.Label.font().bold());
  EXPECT_FALSE(t.Label.font().italic());
  t.Leave();
  EXPECT_FALSE(t.Label.font().underline());
  EXPECT_FALSE(t.Label.font().bold());
}

TEST(TrovLinkLabel, AClickFiresUnderlinedOrNot) {
  TLabelOnWindow t;
  t.MoveOver();
  ASSERT_TRUE(t.Label.font().underline());
  QTest::mouseClick(&t.Label, Qt::LeftButton, {}, {5, 5});
  EXPECT_EQ(t.Clicks, 1);
  t.Leave();
  ASSERT_FALSE(t.Label.font().underline());
  QTest::mouseClick(&t.Label, Qt::LeftButton, {}, {5, 5});
  EXPECT_EQ(t.Clicks, 2);
  QTest::mouseClick(&t.Label, Qt::RightButton, {}, {5, 5});
  QTest::mousePress(&t.Label, Qt::LeftButton, {}, {5, 5});
  QTest::mouseRelease(&t.Label, Qt::LeftButton, {}, {150, 40});
  EXPECT_EQ(t.Clicks, 2) << "the right button and a release outside do not click";
}
