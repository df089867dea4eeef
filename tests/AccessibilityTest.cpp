// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader learns about the main window, read through QAccessible
// as the platform bridge reads it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <chrono>

#include "app/Unit_Tessaryn.h"
#include "dialogs/Unit_DLG_Player.h"
#include "dialogs/Unit_DLG_Setup.h"
#include "localization/Unit_Language.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"
#include "tests/AccessibleQuery.h"
#include "tests/FreshHome.h"
#include "tests/GameFixture.h"
#include "tests/MainWindowProbe.h"
#include "tests/MessageBoxRecorder.h"

namespace {

struct TAccessibleMainWindow : testing::Test {
  TFreshHome Home;  // before the window: it makes its folders and database there
  TFixedRandom Random{5};
  TForm_Tessaryn Form{&Random};
  TMessageBoxRecorder Boxes;
  int WantedLanguage = LangGerman;

  void SetUp() override {
    // The player is "Anna"; the settings dialog chooses WantedLanguage with a click on OK.
    Boxes.OnDialog = [this](QDialog& dialog) {
      if (auto* player = qobject_cast<TDLG_Player*>(&dialog)) {
        player->ComboBox_Name.setEditText("Anna");
        player->Button_StartClick();
        return player->result();
      }
      if (auto* setup = qobject_cast<TDLG_Setup*>(&dialog)) {
        setup->show();
        setup->ComboBox_Lang.setCurrentIndex(WantedLanguage);
        QTest::mouseClick(&setup->Button_OK, Qt::LeftButton, {}, QPoint(10, 10));
        return setup->result();
      }
      return int(QDialog::Rejected);
    };
    Probe(Form).FirstActivation = false;
    // The clock ticks only when a test ticks it, whatever the machine's speed.
    Probe(Form).TimerCounter.setInterval(std::chrono::hours(24));
    Form.setGeometry(0, 0, 1024, 768);
    Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  }
  void TearDown() override {
    SetupData->Lang = LangGerman;
    SaveSetup();
    ApplyLanguage(LangGerman);
  }
  // The language chosen the player's way: F4, the settings dialog, OK.
  void ChooseLanguage(int code) {
    WantedLanguage = code;
    QTest::keyClick(&Form, Qt::Key_F4);
    ASSERT_EQ(SetupData->Lang, code);
  }
  TPuzzleMemo* Tile(int photo) { return Probe(Form).Game.Tiles[static_cast<size_t>(photo)].get(); }
};

struct TLanguageNames {
  int Language;
  const char *NewGame, *AbortGame, *Help, *Info, *Highscore, *Settings, *Exit, *PlayTime;
  const char *FaceDown, *FaceUp;  // the tile at row 2, column 3
};

const TLanguageNames LanguageNames[] = {
    {LangGerman, "Neues Spiel starten", "Spiel abbrechen", "Hilfe", "Information", "Highscoreliste",
     "Einstellungen", "Beenden", "Spielzeit 00:00:00", "Foto, Reihe 2, Spalte 3, verdeckt",
     "Foto, Reihe 2, Spalte 3, aufgedeckt"},
    {LangEnglish, "New play", "Abort play", "Help", "Information", "Highscore list", "Settings",
     "Exit", "Play time 00:00:00", "Photo, row 2, column 3, face down",
     "Photo, row 2, column 3, face up"},
    {LangSpanish, "Iniciar juego nuevo", "Cancelar juego", "Ayuda", "Información",
     "Lista de la puntuación maxima", "Configuración", "Terminar", "Tiempo de juego 00:00:00",
     "Foto, fila 2, columna 3, boca abajo", "Foto, fila 2, columna 3, boca arriba"},
};

}  // namespace

TEST_F(TAccessibleMainWindow, MenuButtonsAndThePlayTimeAreNamedInTheChosenLanguage) {
  for (const TLanguageNames& names : LanguageNames) {
    SCOPED_TRACE(names.Language);
    ChooseLanguage(names.Language);
    const std::pair<TTrovGameButton*, const char*> buttons[] = {
        {&Probe(Form).Button_Play, names.NewGame},
        {&Probe(Form).Button_Help, names.Help},
        {&Probe(Form).Button_Info, names.Info},
        {&Probe(Form).Button_Highscore, names.Highscore},
        {&Probe(Form).Button_Setup, names.Settings},
        {&Probe(Form).Button_Close, names.Exit}};
    for (const auto& [button, name] : buttons) {
      QAccessibleInterface* face = Accessible(button);
      EXPECT_EQ(face->role(), QAccessible::Button) << name;
      EXPECT_EQ(face->text(QAccessible::Name), QString::fromUtf8(name));
      // The description is the whole hint, key included.
      EXPECT_EQ(face->text(QAccessible::Description), button->toolTip());
      EXPECT_TRUE(face->actionInterface()->actionNames().contains(
          QAccessibleActionInterface::pressAction()));
    }
    QAccessibleInterface* time = Accessible(&Probe(Form).Button_Time);
    EXPECT_EQ(time->role(), QAccessible::StaticText);
    EXPECT_EQ(time->text(QAccessible::Name), QString::fromUtf8(names.PlayTime));
  }
}

TEST_F(TAccessibleMainWindow, TheMenuBarAndTheWindowAreNoLongerUnnamedFillers) {
  QAccessibleInterface* window = Accessible(&Form);
  EXPECT_EQ(window->text(QAccessible::Name), "Tessaryn Puzzle");
  EXPECT_EQ(window->role(), QAccessible::Window);
  for (TTrovGameButton* button : Probe(Form).Panel_Menu.findChildren<TTrovGameButton*>()) {
    QAccessibleInterface* face = Accessible(button);
    EXPECT_NE(face->role(), QAccessible::Client);
    EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << button->geometry().x();
  }
}

TEST_F(TAccessibleMainWindow, TheTimeDisplayReadsTheRunningClock) {
  QTest::keyClick(&Form, Qt::Key_F5);
  ASSERT_TRUE(Probe(Form).Game.Playing);
  EXPECT_EQ(NameOf(&Probe(Form).Button_Time), "Spielzeit 00:00:00");
  for (int second = 0; second < 83; ++second) Form.TimerCounterTimer();
  EXPECT_EQ(NameOf(&Probe(Form).Button_Time), "Spielzeit 00:01:23");
  EXPECT_EQ(NameOf(&Probe(Form).Button_Play), "Spiel abbrechen");
  EXPECT_EQ(Accessible(&Probe(Form).Button_Play)->text(QAccessible::Description),
            "Spiel abbrechen (ESC)");
}

TEST_F(TAccessibleMainWindow, EveryTileSaysWhereItIsAndWhetherItIsFaceUp) {
  QTest::keyClick(&Form, Qt::Key_F5);
  ASSERT_TRUE(Probe(Form).Game.Playing);
  QStringList names;
  for (int k = 1; k <= 25; ++k) {
    TPuzzleMemo* tile = Tile(k);
    const int row = (tile->y() - 10) / 124 + 1, column = (tile->x() - 395) / 124 + 1;
    QAccessibleInterface* face = Accessible(tile);
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_EQ(face->text(QAccessible::Name),
              QString("Foto, Reihe %1, Spalte %2, verdeckt").arg(row).arg(column));
    names << face->text(QAccessible::Name);
  }
  names.removeDuplicates();
  EXPECT_EQ(names.size(), 25) << "each place is named once";

  // The target found with a real press turns the name; a wrong tile's peek does not.
  TPuzzleMemo* target = Tile(Probe(Form).Game.TargetSequence[1]);
  TPuzzleMemo* other = Tile(Probe(Form).Game.TargetSequence[2]);
  const QString otherName = NameOf(other);
  QTest::mousePress(other, Qt::LeftButton);
  EXPECT_TRUE(Accessible(other)->state().pressed);
  QTest::mouseRelease(other, Qt::LeftButton);
  EXPECT_EQ(NameOf(other), otherName);
  QTest::mouseClick(target, Qt::LeftButton);
  EXPECT_TRUE(NameOf(target).endsWith(", aufgedeckt")) << NameOf(target).toStdString();
}

TEST_F(TAccessibleMainWindow, TileNamesFollowTheLanguage) {
  QTest::keyClick(&Form, Qt::Key_F5);
  ASSERT_TRUE(Probe(Form).Game.Playing);
  TPuzzleMemo* middle = nullptr;  // row 2, column 3
  for (int k = 1; k <= 25; ++k)
    if (Tile(k)->pos() == QPoint(643, 134)) middle = Tile(k);
  ASSERT_NE(middle, nullptr);
  for (const TLanguageNames& names : LanguageNames) {
    ApplyLanguage(names.Language);
    middle->ShowMemo = false;
    EXPECT_EQ(NameOf(middle), QString::fromUtf8(names.FaceDown));
    middle->ShowMemo = true;
    EXPECT_EQ(NameOf(middle), QString::fromUtf8(names.FaceUp));
  }
}

// Keyboard play's frame is the focus a screen reader follows.
TEST_F(TAccessibleMainWindow, TheFramedTileIsTheFocusedOne) {
  QTest::keyClick(&Form, Qt::Key_F5);
  auto focused = [&] {
    std::vector<int> cells;
    for (int cell = 0; cell < 25; ++cell)
      if (Accessible(Probe(Form).Game.TileAt(cell))->state().focused) cells.push_back(cell);
    return cells;
  };
  EXPECT_TRUE(focused().empty());
  QTest::keyClick(&Form, Qt::Key_Right);
  QTest::keyClick(&Form, Qt::Key_Right);
  QTest::keyClick(&Form, Qt::Key_Down);
  EXPECT_EQ(focused(), std::vector<int>{6});
  EXPECT_EQ(NameOf(Probe(Form).Game.TileAt(6)), "Foto, Reihe 2, Spalte 2, verdeckt");
}
