#include <gtest/gtest.h>

#include <QTest>

#include "app/MainLayout.h"
#include "app/Unit_Tessaryn.h"
#include "localization/Unit_Language.h"
#include "media/FuncUnit.h"

TEST(MainLayout, MenuButtonsAt1024) {
  const TMenuButtonLefts lefts = LayoutMenuButtons(1024);
  EXPECT_EQ(lefts.Close, 988);
  EXPECT_EQ(lefts.Setup, 962);
  EXPECT_EQ(lefts.Highscore, 936);
  EXPECT_EQ(lefts.Info, 910);
  EXPECT_EQ(lefts.Help, 884);
  EXPECT_EQ(lefts.Time, 808);
}

TEST(MainLayout, BandAndStoneCopies) {
  EXPECT_EQ(BandHeight(727), 282);
  EXPECT_EQ(BandHeight(445), 0);
  EXPECT_EQ(BandHeight(300), 0);
  EXPECT_EQ(StoneLefts(480, 240), (std::vector<int>{0, 240}));
  EXPECT_EQ(StoneLefts(481, 240), (std::vector<int>{0, 240, 480}));
  EXPECT_EQ(TitlePosition({1024, 41}, 240, 37), QPoint(392, 2));
}

namespace {

struct TMainWindow : testing::Test {
  TForm_Tessaryn Form;
  void SetUp() override {
    Form.setGeometry(0, 0, 1024, 768);
    Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  }
};

}  // namespace

TEST_F(TMainWindow, PanelsAndButtonsAt1024x768) {
  EXPECT_EQ(Form.Panel_Menu.geometry(), QRect(0, 0, 1024, 41));
  EXPECT_EQ(Form.Panel_Back.geometry(), QRect(0, 41, 1024, 727));
  EXPECT_EQ(Form.Image_Back.size(), QSize(1024, 727));
  EXPECT_EQ(Form.Button_Play.geometry(), QRect(10, 5, 30, 30));
  const std::pair<TTrovGameButton*, QRect> buttons[] = {
      {&Form.Button_Close, {988, 8, 26, 24}},     {&Form.Button_Setup, {962, 8, 26, 24}},
      {&Form.Button_Highscore, {936, 8, 26, 24}}, {&Form.Button_Info, {910, 8, 26, 24}},
      {&Form.Button_Help, {884, 8, 26, 24}},      {&Form.Button_Time, {808, 8, 68, 24}}};
  for (const auto& [button, geometry] : buttons) EXPECT_EQ(button->geometry(), geometry);
  EXPECT_EQ(Form.Button_Time.Caption(), "00:00:00");
  EXPECT_TRUE(Form.Button_Time.Downed());
}

TEST_F(TMainWindow, MenuBarGradientAndPlayAreaBandOverStones) {
  const QImage& menu = Form.Image_Menu.Picture;
  ASSERT_EQ(menu.size(), QSize(1024, 41));
  EXPECT_EQ(menu.pixel(2, 0), RgbOf(0xB7BDC8));
  EXPECT_EQ(menu.pixel(2, 40), RgbOf(0x555E6C));

  const QImage& back = Form.Image_Back.Picture;
  ASSERT_EQ(back.size(), QSize(1024, 727));
  EXPECT_EQ(back.pixel(500, 0), RgbOf(0x0D0F0F));
  QImage stones;
  LoadJpgResource(stones, "STONES");
  for (int x : {0, 17, 239, 240, 1000})
    for (int y : {279, 400, 726})
      EXPECT_EQ(back.pixel(x, y), stones.pixel(x % 240, y - 279)) << x << "," << y;
  // Row 278 is the band's, just above the strip: nearly its bottom colour.
  const QRgb band = back.pixel(500, 278);
  EXPECT_NEAR(qRed(band), 0xB1, 2);
  EXPECT_NEAR(qBlue(band), 0x25, 2);
}

TEST_F(TMainWindow, HintsFollowThePlayingFlag) {
  ApplyLanguage(LangEnglish);
  Form.ApplyHints();
  EXPECT_EQ(Form.Button_Play.toolTip(), "New play (F5)");
  Form.SetPlaying(true);
  Form.ApplyHints();
  EXPECT_EQ(Form.Button_Play.toolTip(), "Abort play (ESC)");
  EXPECT_EQ(Form.Button_Close.toolTip(), "Exit (Strg+X)");
  EXPECT_EQ(Form.Button_Play.PicIdle(), Form.ImageList_Menu[1]);
  Form.SetPlaying(false);
  EXPECT_EQ(Form.Button_Play.PicIdle(), Form.ImageList_Menu[0]);
  ApplyLanguage(LangGerman);
}

TEST_F(TMainWindow, ExitButtonCloses) {
  QTest::mouseClick(&Form.Button_Close, Qt::LeftButton);
  EXPECT_FALSE(Form.isVisible());
}

TEST(ProgramFonts, ArialMeasuresAsLiberationSans) {
  const QFontInfo info(ProgramFont("Arial", 10));
  EXPECT_TRUE(info.family() == "Liberation Sans" || info.family() == "Arial")
      << info.family().toStdString();
  EXPECT_EQ(info.pixelSize(), 13);
}
