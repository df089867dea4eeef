// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QListWidget>
#include <QLocale>
#include <QTest>
#include <chrono>

#include "app/ArrowKeyHook.h"
#include "app/MainLayout.h"
#include "app/Unit_Tessaryn.h"
#include "dialogs/Unit_DLG_Great.h"
#include "dialogs/Unit_DLG_Player.h"
#include "dialogs/Unit_DLG_Setup.h"
#include "localization/Unit_DLG_Language.h"
#include "localization/Unit_Language.h"
#include "media/FuncUnit.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"
#include "tests/DatabaseFixture.h"
#include "tests/Eventually.h"
#include "tests/FreshHome.h"
#include "tests/GameFixture.h"
#include "tests/MainWindowProbe.h"
#include "tests/MessageBoxRecorder.h"

#include <optional>
#include <set>

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
  TFreshHome Home;  // before the window: it makes its folders and database there
  TFixedRandom Random{5};
  TForm_Tessaryn Form{&Random};
  TMessageBoxRecorder Boxes;
  QStringList Dialogs;  // the class of every dialog the window showed
  int Congratulations = 0;

  void SetUp() override {
    // Every dialog is answered here: the player is "Anna", the others close at once.
    Boxes.OnDialog = [this](QDialog& dialog) {
      if (qobject_cast<TDLG_Great*>(&dialog)) return ++Congratulations, int(QDialog::Accepted);
      Dialogs << dialog.metaObject()->className();
      EXPECT_FALSE(Probe(Form).KeyboardHook.Installed() && Dialogs.last() != "TDLG_Language")
          << "menu dialogs get the arrow keys";
      if (auto* player = qobject_cast<TDLG_Player*>(&dialog)) {
        player->ComboBox_Name.setEditText("Anna");
        player->Button_StartClick();
        return player->result();
      }
      return int(QDialog::Rejected);
    };
    Probe(Form).FirstActivation = false;  // no intro over the window under test
    // The play clock ticks once a second, and here only when a test ticks it
    // (TimerCounterTimer): a loaded machine must not add play time to a game.
    ASSERT_EQ(Probe(Form).TimerCounter.interval(), 1000);
    Probe(Form).TimerCounter.setInterval(std::chrono::hours(24));
    Form.setGeometry(0, 0, 1024, 768);
    Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&Form, static_cast<Qt::Key>(key), modifiers);
  }
  void KeyEvent(QEvent::Type type, int key, bool autoRepeat) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(&Form, &event);
  }
};

}  // namespace

TEST_F(TMainWindow, PanelsAndButtonsAt1024x768) {
  EXPECT_EQ(Probe(Form).Panel_Menu.geometry(), QRect(0, 0, 1024, 41));
  EXPECT_EQ(Probe(Form).Panel_Back.geometry(), QRect(0, 41, 1024, 727));
  EXPECT_EQ(Probe(Form).Image_Back.size(), QSize(1024, 727));
  EXPECT_EQ(Probe(Form).Button_Play.geometry(), QRect(10, 5, 30, 30));
  const std::pair<TTrovGameButton*, QRect> buttons[] = {
      {&Probe(Form).Button_Close, {988, 8, 26, 24}},
      {&Probe(Form).Button_Setup, {962, 8, 26, 24}},
      {&Probe(Form).Button_Highscore, {936, 8, 26, 24}},
      {&Probe(Form).Button_Info, {910, 8, 26, 24}},
      {&Probe(Form).Button_Help, {884, 8, 26, 24}},
      {&Probe(Form).Button_Time, {808, 8, 68, 24}}};
  for (const auto& [button, geometry] : buttons) EXPECT_EQ(button->geometry(), geometry);
  EXPECT_EQ(Probe(Form).Button_Time.Caption(), "00:00:00");
  EXPECT_TRUE(Probe(Form).Button_Time.Downed());
  ASSERT_NE(Probe(Form).CarouselImage.get(), nullptr);
  EXPECT_EQ(Probe(Form).CarouselImage->geometry(), QRect(10, 0, 366, 727));
  EXPECT_EQ(Probe(Form).Carousel.ShownPhotos[1], Probe(Form).Game.TargetIndex)
      << "a random photo to begin with";
}

TEST_F(TMainWindow, MenuBarGradientAndPlayAreaBandOverStones) {
  const QImage& menu = Probe(Form).Image_Menu.Picture;
  ASSERT_EQ(menu.size(), QSize(1024, 41));
  EXPECT_EQ(menu.pixel(2, 0), RgbOf(0xB7BDC8));
  EXPECT_EQ(menu.pixel(2, 40), RgbOf(0x555E6C));

  const QImage& back = Probe(Form).Image_Back.Picture;
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
  EXPECT_EQ(Probe(Form).Button_Play.toolTip(), "New play (F5)");
  Form.SetPlaying(true);
  Form.ApplyHints();
  EXPECT_EQ(Probe(Form).Button_Play.toolTip(), "Abort play (ESC)");
  EXPECT_EQ(Probe(Form).Button_Close.toolTip(), "Exit (Strg+X)");
  EXPECT_EQ(Probe(Form).Button_Play.PicIdle(), Probe(Form).ImageList_Menu[1]);
  Form.SetPlaying(false);
  EXPECT_EQ(Probe(Form).Button_Play.PicIdle(), Probe(Form).ImageList_Menu[0]);
  ApplyLanguage(LangGerman);
}

TEST_F(TMainWindow, ClosingAsksFirst) {
  Boxes.Answers = {false, false, true};
  QTest::mouseClick(&Probe(Form).Button_Close, Qt::LeftButton);
  EXPECT_TRUE(Form.isVisible());
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_TRUE(Form.isVisible());
  Key(Qt::Key_F1, Qt::AltModifier);
  Key(Qt::Key_F5, Qt::ControlModifier);
  EXPECT_EQ(Boxes.Boxes.size(), 2) << "Alt and Ctrl with other keys do nothing";
  EXPECT_FALSE(Probe(Form).Game.Playing);
  Key(Qt::Key_F4, Qt::AltModifier);
  EXPECT_FALSE(Form.isVisible());
  ASSERT_EQ(Boxes.Boxes.size(), 3);
  EXPECT_EQ(Boxes.Boxes[2].Kind, TMessageKind::Confirmation);
  EXPECT_EQ(Boxes.Boxes[2].Title, "Bestätigen");
  EXPECT_EQ(Boxes.Boxes[2].Text, "Möchten Sie das Tessaryn Puzzle wirklich beenden?");
}

TEST_F(TMainWindow, F5StartsAGameOnTheBoard) {
  Key(Qt::Key_Escape);
  EXPECT_TRUE(Boxes.Boxes.isEmpty()) << "Esc while idle does nothing";
  Key(Qt::Key_F5, Qt::ShiftModifier);
  ASSERT_TRUE(Probe(Form).Game.Playing);
  EXPECT_TRUE(Probe(Form).TimerCounter.isActive());
  EXPECT_EQ(Probe(Form).Button_Time.Caption(), "00:00:00");
  EXPECT_EQ(Probe(Form).Button_Play.toolTip(), "Spiel abbrechen (ESC)");
  std::set<std::pair<int, int>> cells;
  for (int k = 1; k <= 25; ++k) {
    const TPuzzleMemo* tile = Probe(Form).Game.Tiles[static_cast<size_t>(k)].data();
    ASSERT_TRUE(tile && tile->isVisible() && tile->parentWidget() == &Probe(Form).Panel_Back);
    cells.insert({tile->x(), tile->y()});
  }
  std::set<std::pair<int, int>> expected;
  for (int x : {395, 519, 643, 767, 891})
    for (int y : {10, 134, 258, 382, 506}) expected.insert({x, y});
  EXPECT_EQ(cells, expected);
  Form.TimerCounterTimer();
  EXPECT_EQ(Probe(Form).Button_Time.Caption(), "00:00:01");
}

TEST_F(TMainWindow, AbortIsAskedInsideTheBracket) {
  Key(Qt::Key_F5);
  ASSERT_TRUE(Probe(Form).Game.Playing);
  bool suspendedDuringQuestion = false, hookDuringQuestion = true;
  Boxes.WhileShown = [&] {
    suspendedDuringQuestion = Probe(Form).Suspended;
    hookDuringQuestion = Probe(Form).KeyboardHook.Installed();
  };
  Boxes.Answers = {false, true};
  Key(Qt::Key_Escape);
  EXPECT_TRUE(suspendedDuringQuestion);
  EXPECT_FALSE(hookDuringQuestion);
  EXPECT_EQ(Boxes.Boxes[0].Text, "Möchten Sie das Spiel wirklich beenden?");
  EXPECT_TRUE(Probe(Form).Game.Playing) << "No: the game goes on";
  EXPECT_FALSE(Probe(Form).Suspended);
  EXPECT_TRUE(Probe(Form).KeyboardHook.Installed());
  QTest::mouseClick(&Probe(Form).Button_Play, Qt::LeftButton);
  EXPECT_FALSE(Probe(Form).Game.Playing);
  EXPECT_FALSE(Probe(Form).TimerCounter.isActive());
  EXPECT_EQ(Probe(Form).Game.Tiles[1], nullptr);
  EXPECT_TRUE(Probe(Form).KeyboardHook.Installed());
  EXPECT_TRUE(Probe(Form).Suspended) << "an abort leaves the bracket early";
  EXPECT_EQ(Probe(Form).Carousel.ShownPhotos[1], Probe(Form).Game.TargetIndex);
}

TEST_F(TMainWindow, ThePlayClockRestsWhileSuspended) {
  Key(Qt::Key_F5);
  Form.TimerCounterTimer();
  Probe(Form).Suspended = true;
  Form.TimerCounterTimer();
  Form.TimerCounterTimer();
  EXPECT_EQ(Probe(Form).Button_Time.Caption(), "00:00:01");
  Probe(Form).Suspended = false;
  Form.TimerCounterTimer();
  EXPECT_EQ(Probe(Form).Clock.PlayTimeText, "00:00:02");
}

TEST_F(TMainWindow, AMinimisedGameRestsItsClockAndMusic) {
  Key(Qt::Key_F5);
  Form.TimerCounterTimer();
  EXPECT_TRUE(Form.IsMusicPlaying());
  Form.showMinimized();
  ASSERT_EVENTUALLY(Form.BoardOffScreen());
  EXPECT_FALSE(Form.IsMusicPlaying()) << "the music pauses at once";
  Form.TimerCounterTimer();
  Form.TimerCounterTimer();
  EXPECT_EQ(Probe(Form).Button_Time.Caption(), "00:00:01");
  EXPECT_FALSE(Form.IsMusicPlaying());
  Form.showNormal();
  ASSERT_EVENTUALLY(!Form.BoardOffScreen());
  Form.TimerCounterTimer();
  EXPECT_EQ(Probe(Form).Clock.PlayTimeText, "00:00:02");
  EXPECT_TRUE(Form.IsMusicPlaying());
  Form.hide();
  Form.TimerCounterTimer();
  EXPECT_EQ(Probe(Form).Clock.PlayTimeText, "00:00:02") << "a hidden window rests too";
  EXPECT_TRUE(Probe(Form).Game.Playing) << "nothing else changes";
}

TEST_F(TMainWindow, OnePressOfAnArrowMovesTheCarouselByOne) {
  Probe(Form).Game.TargetIndex = 24;
  Key(Qt::Key_Down);
  EXPECT_EQ(Probe(Form).Game.TargetIndex, 25);
  Key(Qt::Key_Down);
  EXPECT_EQ(Probe(Form).Game.TargetIndex, 1);
  Key(Qt::Key_Up);
  EXPECT_EQ(Probe(Form).Game.TargetIndex, 25);
  EXPECT_EQ(Probe(Form).Carousel.ShownPhotos, (std::array<int, 3>{24, 25, 1}));
  // A held key repeats as release and press pairs: it moves on once per repeat.
  KeyEvent(QEvent::KeyPress, Qt::Key_Down, false);
  for (int repeat = 0; repeat < 3; ++repeat) {
    KeyEvent(QEvent::KeyRelease, Qt::Key_Down, true);
    KeyEvent(QEvent::KeyPress, Qt::Key_Down, true);
  }
  KeyEvent(QEvent::KeyRelease, Qt::Key_Down, false);
  EXPECT_EQ(Probe(Form).Game.TargetIndex, 4);
}

TEST_F(TMainWindow, ArrowsWhilePlayingAreSwallowed) {
  Key(Qt::Key_F5);
  const auto shown = Probe(Form).Carousel.ShownPhotos;
  Key(Qt::Key_Down);
  Key(Qt::Key_Up);
  EXPECT_EQ(Probe(Form).Game.TargetIndex, 1);
  EXPECT_EQ(Probe(Form).Carousel.ShownPhotos, shown);
}

TEST(DesktopLanguage, GermanAndSpanishLocalesAreTheirsEveryOtherIsEnglish) {
  const struct {
    const char* Locale;
    int Language;
  } cases[] = {{"de_DE.UTF-8", LangGerman},  {"de_AT", LangGerman},
               {"es_ES.UTF-8", LangSpanish}, {"es_MX", LangSpanish},
               {"fr_FR.UTF-8", LangEnglish}, {"en_GB", LangEnglish},
               {"C", LangEnglish},           {"POSIX", LangEnglish}};
  for (const auto& c : cases)
    EXPECT_EQ(LanguageOfDesktop(QLocale(c.Locale).uiLanguages()), c.Language) << c.Locale;
  EXPECT_EQ(LanguageOfDesktop({}), LangEnglish) << "no locale at all";
  EXPECT_EQ(LanguageOfDesktop({"es-419", "de"}), LangSpanish) << "the most wanted one counts";
}

// The first start's question is answered with Up and Down while the hook is in.
TEST(ArrowKeyHook, AFocusedComboBoxOrListKeepsUpAndDown) {
  int steps = 0;
  TArrowKeyHook hook([&](int step) { steps += step; });
  hook.Install();
  TDLG_Language dialog(nullptr);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  dialog.ComboBox_Lang.setCurrentIndex(0);
  dialog.ComboBox_Lang.setFocus();
  QTest::keyClick(&dialog.ComboBox_Lang, Qt::Key_Down);
  QTest::keyClick(&dialog.ComboBox_Lang, Qt::Key_Down);
  EXPECT_EQ(dialog.ComboBox_Lang.currentIndex(), 2);
  QTest::keyClick(&dialog.ComboBox_Lang, Qt::Key_Up);
  EXPECT_EQ(dialog.ComboBox_Lang.currentIndex(), 1);
  QListWidget list;
  list.addItems({"a", "b", "c"});
  list.setCurrentRow(0);
  QTest::keyClick(&list, Qt::Key_Down);
  EXPECT_EQ(list.currentRow(), 1);
  EXPECT_EQ(steps, 0) << "the hook left them alone";
  QTest::keyClick(&dialog.Button_OK, Qt::Key_Down);
  EXPECT_EQ(steps, 1) << "anywhere else it browses";
}

TEST(ProgramFonts, ArialMeasuresAsLiberationSans) {
  const QFontInfo info(ProgramFont("Arial", 10));
  EXPECT_TRUE(info.family() == "Liberation Sans" || info.family() == "Arial")
      << info.family().toStdString();
  EXPECT_EQ(info.pixelSize(), 13);
}

TEST_F(TMainWindow, AWholeGamePlayedWithTheMouse) {
  Key(Qt::Key_F5);
  ASSERT_TRUE(Probe(Form).Game.Playing);
  auto press = [&](const TPuzzleMemo* tile, Qt::MouseButton button) {
    const QPoint at = tile->mapTo(&Form, tile->rect().center());
    QTest::mousePress(Form.windowHandle(), button, {}, at);
    QTest::mouseRelease(Form.windowHandle(), button, {}, at);
  };
  for (int round = 1; round <= 25; ++round) {
    const TPuzzleMemo* target =
        Probe(Form)
            .Game
            .Tiles[static_cast<size_t>(
                Probe(Form).Game.TargetSequence[static_cast<size_t>(Probe(Form).Game.TargetIndex)])]
            .get();
    EXPECT_EQ(Probe(Form).Carousel.ShownPhotos[1], target->Tag);
    press(target, round % 2 ? Qt::LeftButton : Qt::RightButton);
    EXPECT_TRUE(target->ShowMemo);
  }
  EXPECT_FALSE(Probe(Form).Game.Playing);
  EXPECT_FALSE(Probe(Form).TimerCounter.isActive());
  EXPECT_EQ(Probe(Form).Button_Play.PicIdle(), Probe(Form).ImageList_Menu[0]);
  EXPECT_EQ(Congratulations, 0) << "the clock never ticked: no play time yet";
  ASSERT_FALSE(Boxes.Boxes.isEmpty());
  EXPECT_EQ(Boxes.Boxes.last().Text, "Die Spielzeit konnte nicht übernommen werden!");
}

TEST_F(TMainWindow, AWholeGamePlayedWithTheKeys) {
  Key(Qt::Key_F5);
  ASSERT_TRUE(Probe(Form).Game.Playing);
  auto framed = [&] {
    std::vector<int> cells;
    for (int cell = 0; cell < 25; ++cell)
      if (Probe(Form).Game.TileAt(cell)->Framed()) cells.push_back(cell);
    return cells;
  };
  EXPECT_TRUE(framed().empty()) << "no frame before the first arrow key";
  Key(Qt::Key_Right);
  EXPECT_EQ(framed(), std::vector<int>{0}) << "the first key shows the frame, top left";
  Key(Qt::Key_Left);
  Key(Qt::Key_Up);
  EXPECT_EQ(framed(), std::vector<int>{0}) << "it stops at the edges";

  // The frame lies over the tile's picture and leaves the rest of it alone.
  TPuzzleMemo* first = Probe(Form).Game.TileAt(0);
  const QImage withFrame = first->grab().toImage();
  first->SetFramed(false);
  const QImage without = first->grab().toImage();
  first->SetFramed(true);
  EXPECT_EQ(withFrame.pixel(1, 1), RgbOf(TPuzzleMemo::FocusFrameColor));
  EXPECT_NE(without.pixel(1, 1), RgbOf(TPuzzleMemo::FocusFrameColor));
  EXPECT_EQ(withFrame.copy(8, 8, first->width() - 16, first->height() - 16),
            without.copy(8, 8, first->width() - 16, first->height() - 16));

  // Moving the mouse over the board hides the frame; the next key shows it where it was.
  Key(Qt::Key_Down);
  QTest::mouseMove(Probe(Form).Game.TileAt(12), {5, 5});
  QTest::mouseMove(Probe(Form).Game.TileAt(12), {9, 9});
  EXPECT_TRUE(framed().empty());
  Key(Qt::Key_Up);
  EXPECT_EQ(framed(), std::vector<int>{5});

  for (int round = 1; round <= 25; ++round) {
    const int target =
        Probe(Form).Game.TargetSequence[static_cast<size_t>(Probe(Form).Game.TargetIndex)];
    int cell = 0;
    while (Probe(Form).Game.TileAt(cell)->Tag != target) ++cell;
    while (Probe(Form).Game.FocusCell % 5 < cell % 5) Key(Qt::Key_Right);
    while (Probe(Form).Game.FocusCell % 5 > cell % 5) Key(Qt::Key_Left);
    while (Probe(Form).Game.FocusCell / 5 < cell / 5) Key(Qt::Key_Down);
    while (Probe(Form).Game.FocusCell / 5 > cell / 5) Key(Qt::Key_Up);
    ASSERT_EQ(framed(), std::vector<int>{cell});
    const int key = round % 2 ? Qt::Key_Space : Qt::Key_Return;
    TPuzzleMemo* tile = Probe(Form).Game.TileAt(cell);
    KeyEvent(QEvent::KeyPress, key, false);
    EXPECT_TRUE(tile->Pressed()) << "held like a mouse button";
    EXPECT_TRUE(tile->ShowMemo);
    KeyEvent(QEvent::KeyPress, key, true);  // a held key's repeat presses nothing more
    KeyEvent(QEvent::KeyRelease, key, false);
    EXPECT_FALSE(tile->Pressed());
  }
  EXPECT_FALSE(Probe(Form).Game.Playing);
  EXPECT_FALSE(Probe(Form).TimerCounter.isActive());
  ASSERT_FALSE(Boxes.Boxes.isEmpty());
  EXPECT_EQ(Boxes.Boxes.last().Text, "Die Spielzeit konnte nicht übernommen werden!")
      << "the release of the last key ended the game";
  EXPECT_TRUE(framed().empty()) << "no frame once the game is over";
  const int shown = Probe(Form).Game.TargetIndex;
  Key(Qt::Key_Down);
  EXPECT_NE(Probe(Form).Game.TargetIndex, shown) << "Up and Down browse again";
}

TEST_F(TMainWindow, APeekFromTheKeyboardOnAWrongTileShowsItUntilTheRelease) {
  Key(Qt::Key_F5);
  const int target =
      Probe(Form).Game.TargetSequence[static_cast<size_t>(Probe(Form).Game.TargetIndex)];
  Key(Qt::Key_Right);
  while (Probe(Form).Game.TileAt(Probe(Form).Game.FocusCell)->Tag == target) Key(Qt::Key_Right);
  TPuzzleMemo* tile = Probe(Form).Game.TileAt(Probe(Form).Game.FocusCell);
  KeyEvent(QEvent::KeyPress, Qt::Key_Space, false);
  EXPECT_TRUE(tile->Pressed());
  EXPECT_FALSE(tile->ShowMemo) << "a wrong tile only peeks";
  KeyEvent(QEvent::KeyRelease, Qt::Key_Space, false);
  EXPECT_FALSE(tile->Pressed());
  EXPECT_TRUE(Probe(Form).Game.Playing);
}

TEST_F(TMainWindow, AFinishedGameIsStoredWithItsPlayerAndTime) {
  Key(Qt::Key_F5);
  ASSERT_EQ(Dialogs, QStringList{"TDLG_Player"});
  for (int tick = 0; tick < 75; ++tick) Form.TimerCounterTimer();
  for (int round = 1; round <= 25; ++round) {
    TPuzzleMemo* target =
        Probe(Form)
            .Game
            .Tiles[static_cast<size_t>(
                Probe(Form).Game.TargetSequence[static_cast<size_t>(Probe(Form).Game.TargetIndex)])]
            .get();
    Probe(Form).Game.TileMouseDown(target);
    Probe(Form).Game.TileMouseUp(target);
  }
  EXPECT_EQ(Congratulations, 1);
  EXPECT_EQ(PlayerData, nullptr);
  const auto list = QueryHighscoreList();
  bool found = false;
  for (; !list->AtEnd(); list->MoveNext())
    found |= list->CellText(list->ColumnIndex("Name")) == "Anna" &&
             list->CellText(list->ColumnIndex("Spielzeit")) == "00:01:15";
  EXPECT_TRUE(found);
}

TEST_F(TMainWindow, TheMenuKeysOpenTheirDialogsInsideTheBracket) {
  Key(Qt::Key_F1);
  Key(Qt::Key_F2);
  Key(Qt::Key_F3);
  Key(Qt::Key_F4);
  EXPECT_EQ(Dialogs, (QStringList{"TDLG_Help", "TDLG_Info", "TDLG_Highscore", "TDLG_Setup"}));
  EXPECT_TRUE(Probe(Form).KeyboardHook.Installed());
  EXPECT_FALSE(Probe(Form).Suspended);
}

TEST_F(TMainWindow, SettingsConfirmedApplyLanguageAndVolume) {
  Boxes.OnDialog = [](QDialog& dialog) {
    auto* setup = qobject_cast<TDLG_Setup*>(&dialog);
    if (!setup) return int(QDialog::Rejected);
    setup->ComboBox_Lang.setCurrentIndex(LangEnglish);
    setup->ScrollBar_Volume.setValue(80);
    setup->Button_OKClick();
    return setup->result();
  };
  Form.Button_SetupClick();
  EXPECT_EQ(SetupData->Lang, LangEnglish);
  EXPECT_EQ(Probe(Form).Sounds.Output.Volume(), 80);
  EXPECT_EQ(Probe(Form).Button_Help.toolTip(), "Help (F1)");
  SetupData->Lang = LangGerman;
  SetupData->Volume = 50;
  SaveSetup();
  ApplyLanguage(LangGerman);
}

TEST_F(TMainWindow, TheFirstStartAsksForTheLanguageOnce) {
  int preselected = -2;
  auto answer = Boxes.OnDialog;
  Boxes.OnDialog = [&](QDialog& dialog) {
    if (auto* language = qobject_cast<TDLG_Language*>(&dialog))
      preselected = language->ComboBox_Lang.currentIndex();
    return answer(dialog);
  };
  Form.IntroFinished();
  EXPECT_EQ(preselected, DesktopLanguage()) << "the desktop's language comes preselected";
  EXPECT_EQ(Dialogs, QStringList{"TDLG_Language"});
  EXPECT_TRUE(FirstRunDone()) << "the marker is written whatever the answer";
  Form.IntroFinished();
  EXPECT_EQ(Dialogs.size(), 1);
}

TEST_F(TMainWindow, AFirstStartMarkerThatCannotBeWrittenIsToldAndTheQuestionComesAgain) {
  Database->SetBusyTimeout(100);
  std::optional<TLockedElsewhere> lock;
  auto answer = Boxes.OnDialog;
  Boxes.OnDialog = [&](QDialog& dialog) {
    lock.emplace(DatabaseFile);  // taken while the question is open
    return answer(dialog);
  };
  Form.IntroFinished();
  EXPECT_EQ(Dialogs, QStringList{"TDLG_Language"});
  ASSERT_EQ(Boxes.Boxes.size(), 1);
  EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Error);
  EXPECT_EQ(Boxes.Boxes[0].Text, "Could not prepare SQL statement");
  lock.reset();
  EXPECT_FALSE(FirstRunDone()) << "asked again at the next start";
}
