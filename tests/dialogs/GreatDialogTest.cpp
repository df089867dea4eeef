// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "dialogs/Unit_DLG_Great.h"
#include "localization/Unit_Language.h"
#include "persistence/PendingResults.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"
#include "tests/dialogs/DialogDatabaseFixture.h"

namespace {

// A fresh database with its tables as the program's Database, German texts and
// a player who has just finished a game.
class TRecordResult : public TDialogDatabaseFixture {
 protected:
  void SetUp() override {
    TDialogDatabaseFixture::SetUp();
    PlayerData = std::make_unique<TSpielerDaten>();
    PlayerData->Name = "Anna";
    PlayerData->Datum = QDate(2026, 12, 10);
    // Instead of the modal loop: note what the dialog shows, then close it
    // with Enter as a player would.
    Boxes.OnDialog = [this](QDialog& shown) {
      auto& dialog = static_cast<TDLG_Great&>(shown);
      ++DialogsShown;
      Rank = dialog.Label_Rang->text();
      Time = dialog.Label_Time->text();
      dialog.show();
      QTest::keyClick(&dialog, Qt::Key_Return);
      ClosedByEnter = !dialog.isVisible() && dialog.result() == QDialog::Accepted;
      return dialog.result();
    };
  }

  int StoredRows() {
    const auto list = QueryHighscoreList();
    int rows = 0;
    for (; !list->AtEnd(); list->MoveNext()) ++rows;
    return rows;
  }

  int DialogsShown = 0;
  QString Rank, Time;
  bool ClosedByEnter = false;
};

}  // namespace

TEST_F(TRecordResult, StoresTheResultShowsItsRankAndFreesThePlayer) {
  Raw("INSERT INTO tab_spieler VALUES ('SR00000001', 'Ben', '2026-12-01', '00:03:00')");
  RecordResult("00:04:07", nullptr);
  EXPECT_TRUE(Boxes.Boxes.isEmpty());
  EXPECT_EQ(DialogsShown, 1);
  EXPECT_EQ(Rank, "2. Platz");
  EXPECT_EQ(Time, "00:04:07");
  EXPECT_TRUE(ClosedByEnter);
  EXPECT_EQ(PlayerData, nullptr) << "the next new game starts without a player record";
  const auto list = QueryHighscoreList();
  list->MoveNext();
  EXPECT_EQ(list->CellText(list->ColumnIndex("Name")), "Anna");
  EXPECT_EQ(list->CellText(list->ColumnIndex("Spielzeit")), "00:04:07");
}

TEST_F(TRecordResult, HoursPastADayAreAPlayTimeToo) {
  RecordResult("25:13:07", nullptr);
  EXPECT_TRUE(Boxes.Boxes.isEmpty());
  EXPECT_EQ(Rank, "1. Platz");
  EXPECT_EQ(Time, "25:13:07");
  EXPECT_EQ(StoredRows(), 1);
}

TEST_F(TRecordResult, AnUnreadablePlayTimeStoresNothingAndKeepsThePlayer) {
  for (const char* text : {"", "0:4:7", "00:61:00", "aa:bb:cc"}) {
    Boxes.Boxes.clear();
    RecordResult(text, nullptr);
    ASSERT_EQ(Boxes.Boxes.size(), 1) << text;
    EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Boxes.Boxes[0].Title, "Fehler");
    EXPECT_EQ(Boxes.Boxes[0].Text, "Die Spielzeit konnte nicht übernommen werden!");
    EXPECT_NE(PlayerData, nullptr) << text;
  }
  EXPECT_EQ(DialogsShown, 0);
  EXPECT_EQ(StoredRows(), 0);
}

TEST_F(TRecordResult, WithoutAPlayerRecordNothingIsStored) {
  PlayerData.reset();
  RecordResult("00:04:07", nullptr);
  ASSERT_EQ(Boxes.Boxes.size(), 1);
  EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Error);
  EXPECT_EQ(Boxes.Boxes[0].Text, "Zugriff auf die Spielerdaten nicht möglich!");
  EXPECT_EQ(DialogsShown, 0);
  EXPECT_EQ(StoredRows(), 0);
}

TEST_F(TRecordResult, AStoreThatFailsIsToldAndThePlayerFreed) {
  Raw("DROP TABLE tab_spieler");
  ApplyLanguage(1);
  RecordResult("00:04:07", nullptr);
  ASSERT_EQ(Boxes.Boxes.size(), 1);
  EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Error);
  EXPECT_EQ(Boxes.Boxes[0].Title, "Fehler");
  EXPECT_EQ(Boxes.Boxes[0].Text,
            "Data could not be stored!\n\nThe result is kept and will be stored as soon as the "
            "database takes it: with the next result, when the high score list opens, or at the "
            "next start.");
  EXPECT_EQ(DialogsShown, 0);
  EXPECT_EQ(PlayerData, nullptr);
  EXPECT_EQ(PendingResults().size(), 1u);
}

// A write the database refuses (a read-only file) ends here with a message in
// the player's language, without crossing Qt's event handling; the result waits
// and goes in first with the next game's.
TEST_F(TRecordResult, ARefusedResultIsToldInTheLanguageAndStoredWithTheNextGame) {
  const struct {
    int Lang;
    const char* Text;
  } cases[] = {
      {0,
       "Die Spielerdaten konnten nicht gespeichert werden!\n\nDas Ergebnis ist vorgemerkt und "
       "wird gespeichert, sobald die Datenbank es annimmt: mit dem nächsten Ergebnis, beim "
       "Öffnen der Highscoreliste oder beim nächsten Start."},
      {2,
       "¡No se pudieron  guardar los datos de los jugadores!\n\nEl resultado queda reservado y "
       "se guardará en cuanto la base de datos lo acepte: con el próximo resultado, al abrir la "
       "lista de la puntuación máxima o en el próximo inicio."},
  };
  for (const auto& c : cases) {
    ApplyLanguage(c.Lang);
    PlayerData = std::make_unique<TSpielerDaten>();
    PlayerData->Name = "Anna";
    PlayerData->Datum = QDate(2026, 12, 10);
    Raw("PRAGMA query_only = 1");
    EXPECT_NO_THROW(RecordResult("00:04:07", nullptr));
    ASSERT_EQ(Boxes.Boxes.size(), 1);
    EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Boxes.Boxes[0].Text, QString::fromUtf8(c.Text));
    Boxes.Boxes.clear();
    EXPECT_EQ(DialogsShown, 0);
    EXPECT_EQ(PlayerData, nullptr);
    Raw("PRAGMA query_only = 0");
  }
  EXPECT_EQ(StoredRows(), 0);
  EXPECT_EQ(PendingResults().size(), 2u);

  PlayerData = std::make_unique<TSpielerDaten>();
  PlayerData->Name = "Ben";
  PlayerData->Datum = QDate(2026, 12, 11);
  RecordResult("00:01:00", nullptr);
  EXPECT_TRUE(Boxes.Boxes.isEmpty());
  EXPECT_EQ(Rank, "1. Sitio");
  EXPECT_EQ(StoredRows(), 3);
  EXPECT_TRUE(PendingResults().empty());
}

TEST_F(TRecordResult, TheDialogInEveryLanguage) {
  struct TCase {
    int Lang;
    QString Caption, Text, TimeCaption, Rank;
  };
  const TCase cases[] = {
      {0, "Glückwunsch!", "Das Puzzle wurde gelöst.", "Ihre Spielzeit:", "1. Platz"},
      {1, "Congratulation!", "The puzzle was solved.", "Your playing time:", "1. Place"},
      {2, "¡Enhorabuena!", "Se ha solucionado el puzzle", "La duración de su juego:", "1. Sitio"}};
  PlayerData->Spielzeit = std::chrono::seconds(247);
  QString id;
  ASSERT_TRUE(InsertResult(id));
  int germanTimeLeft = 0;
  for (const TCase& c : cases) {
    ApplyLanguage(c.Lang);
    TDLG_Great dialog(nullptr, id, std::chrono::seconds(247));
    EXPECT_EQ(dialog.windowTitle(), "Tessaryn Puzzle");
    EXPECT_EQ(dialog.size(), QSize(394, 247));
    EXPECT_EQ(dialog.Label_Caption1->text(), c.Caption);
    EXPECT_EQ(dialog.Label_Caption2->text(), c.Caption);
    EXPECT_EQ(dialog.Label_Caption2->pos(), dialog.Label_Caption1->pos() + QPoint(1, 1));
    EXPECT_EQ(dialog.Label_Text->text(), c.Text);
    EXPECT_EQ(dialog.Label_Time_Caption->text(), c.TimeCaption);
    EXPECT_EQ(dialog.Label_Rang->text(), c.Rank);
    EXPECT_EQ(dialog.Label_Time->text(), "00:04:07");
    const QRect caption = dialog.Label_Time_Caption->geometry();
    EXPECT_EQ(caption.width(),
              dialog.Label_Time_Caption->fontMetrics().horizontalAdvance(c.TimeCaption));
    EXPECT_EQ(dialog.Label_Time->x(), caption.x() + caption.width() + 4) << c.Lang;
    if (c.Lang == 0) germanTimeLeft = dialog.Label_Time->x();
    if (c.Lang == 1) {
      EXPECT_GT(dialog.Label_Time->x(), germanTimeLeft) << "the wider English caption";
    }
  }
}

TEST_F(TRecordResult, LightPanelAndEscClosesTheDialogToo) {
  TDLG_Great dialog(nullptr, "SR00000001", std::chrono::seconds(1));
  dialog.show();
  const QImage look = dialog.grab().toImage();
  EXPECT_EQ(look.pixelColor(105, 61), ColorOf(0x2E303B)) << "the panel's border";
  EXPECT_EQ(look.pixelColor(195, 145), ColorOf(0xE6E8EC)) << "behind the rank";
  EXPECT_EQ(look.pixelColor(280, 133), ColorOf(0xE6E8EC)) << "behind the time";
  ASSERT_TRUE(dialog.isVisible());
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
}
