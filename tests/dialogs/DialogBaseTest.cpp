// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "controls/DialogBase.h"

namespace {

struct TTwoButtonDialog : TProgramDialog {
  TTrovGameButton Button_OK{this};
  TTrovGameButton Button_Cancel{this};
  TTwoButtonDialog() : TProgramDialog(nullptr, {300, 120}) {
    SetUpButton(Button_OK, {10, 80, 90, 28}, "OK");
    SetUpButton(Button_Cancel, {110, 80, 90, 28}, "Abbrechen");
    Button_OK.SetDefault(true);
    Button_Cancel.Cancel = true;
    Button_OK.OnClick = [this] { accept(); };
    Button_Cancel.OnClick = [this] { reject(); };
  }
};

}  // namespace

TEST(ProgramDialog, FixedSizeGradientBackAndDialogKeys) {
  TTwoButtonDialog dialog;
  EXPECT_EQ(dialog.size(), QSize(300, 120));
  EXPECT_EQ(dialog.Image_Back.Picture.pixel(5, 0), RgbOf(0xB7BDC8));
  EXPECT_EQ(dialog.Image_Back.Picture.pixel(5, 119), RgbOf(0x555E6C));
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(ProgramDialog, OpensCentredOnTheScreenAsScreenMinusSizeDivTwo) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  ASSERT_EQ(screen, QRect(0, 0, 800, 800)) << "the offscreen platform's one screen";
  const struct {
    QSize Size;
    QPoint At;
  } cases[] = {{{394, 247}, {203, 276}},
               {{434, 377}, {183, 211}},
               {{361, 234}, {219, 283}},
               {{300, 120}, {250, 340}}};
  QWidget owner;
  owner.show();
  for (const auto& c : cases) {
    TProgramDialog dialog(&owner, c.Size);
    dialog.show();
    EXPECT_EQ(dialog.pos(), c.At) << c.Size.width() << "x" << c.Size.height();
  }
}
