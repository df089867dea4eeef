// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <optional>

#include "dialogs/Unit_DLG_Highscore.h"
#include "tests/Eventually.h"
#include "tests/dialogs/DialogDatabaseFixture.h"

namespace {

class HighscoreDialog : public TDialogDatabaseFixture {
 protected:
  TGermanDates GermanDates;
  static QStringList Row(const TDLG_Highscore& dialog, int row) {
    QStringList cells;
    for (int col = 0; col < 4; ++col) cells << dialog.StringGrid_Highscore.Cells(col, row);
    return cells;
  }
};

}  // namespace

TEST_F(HighscoreDialog, LayoutTextsAndGrid) {
  AddResult("Anna", QDate(2010, 5, 17), 90);
  TDLG_Highscore dialog(nullptr);
  EXPECT_EQ(dialog.size(), QSize(434, 377));
  EXPECT_EQ(dialog.windowTitle(), QString("Highscore"));
  EXPECT_EQ(dialog.Button_Clear.Caption(), QString("Highscore löschen"));
  EXPECT_EQ(dialog.Button_Clear.toolTip(),
            QString("Alle Einträge aus der Highscoreliste entfernen"));
  EXPECT_EQ(dialog.Button_OK.Caption(), QString("Schließen"));
  EXPECT_TRUE(dialog.Button_OK.Cancel);
  EXPECT_EQ(dialog.Timer1.interval(), 300);
  EXPECT_TRUE(dialog.Timer1.isActive());
  const TTrovDsgStringGrid& grid = dialog.StringGrid_Highscore;
  EXPECT_EQ(grid.geometry(), QRect(8, 8, 417, 321));
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.FixedCols(), 1);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(grid.RightAlignedCols(), QList<int>{0});
  EXPECT_EQ(grid.ColWidth(0), 50);
  EXPECT_EQ(grid.ColWidth(1), 187);
  EXPECT_EQ(grid.ColWidth(2), 80);
  EXPECT_EQ(grid.ColWidth(3), 70);
  EXPECT_EQ(Row(dialog, 0), (QStringList{"Rang", "Name", "Datum", "Spielzeit"}));
  EXPECT_TRUE(grid.DrawMods);
  EXPECT_EQ(grid.BorderColor(), 0x766349u);
  EXPECT_EQ(static_cast<TColor>(grid.ListViewColors.ModsColor1), 0xFBF5EEu);
  EXPECT_EQ(grid.Options(), goVertLine | goHorzLine | goColSizing | goRowSelect | goThumbTracking);
  EXPECT_EQ(grid.font().pixelSize(), 13);
}

TEST_F(HighscoreDialog, HeadersSpeakTheLanguage) {
  ApplyLanguage(LangSpanish);
  TDLG_Highscore dialog(nullptr);
  EXPECT_EQ(dialog.windowTitle(), QString("Puntuación máxima"));
  EXPECT_EQ(Row(dialog, 0), (QStringList{"Rango", "Nombre", "Fecha", "Juego"}));
  EXPECT_EQ(dialog.Button_OK.Caption(), QString("Cerrar"));
}

TEST_F(HighscoreDialog, RowsInPlayTimeOrderWithRanks) {
  const QString slowFirst = AddResult("Anna", QDate(2010, 5, 17), 130);
  AddResult("Bob", QDate(2010, 5, 18), 90);
  const QString slowSecond = AddResult("Carla|Dora", QDate(2010, 5, 19), 130);
  TDLG_Highscore dialog(nullptr);
  const TTrovDsgStringGrid& grid = dialog.StringGrid_Highscore;
  ASSERT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(Row(dialog, 1), (QStringList{"1", "Bob", "18.05.2010", "00:01:30"}));
  EXPECT_EQ(Row(dialog, 2)[0], QString("2"));
  EXPECT_EQ(Row(dialog, 3)[0], QString("3"));
  EXPECT_EQ(Row(dialog, 2)[3], QString("00:02:10"));
  EXPECT_EQ(Row(dialog, 3)[3], QString("00:02:10"));
  // The two equal times keep the query's order; each row carries its result's identifier.
  QStringList ids;
  for (int row = 1; row <= 3; ++row) ids << dialog.ResultIdOfRow(row);
  std::unique_ptr<TSQLiteTable> query = QueryHighscoreList();
  QStringList expected;
  for (; !query->AtEnd(); query->MoveNext())
    expected << query->CellText(query->ColumnIndex("Spieler_ID"));
  EXPECT_EQ(ids, expected);
  EXPECT_TRUE(ids.contains(slowFirst) && ids.contains(slowSecond));
  const int carla = Row(dialog, 2)[1] == "Carla|Dora" ? 2 : 3;
  EXPECT_EQ(Row(dialog, carla)[2], QString("19.05.2010"));
  EXPECT_TRUE(grid.IsCellSelected(1, 1)) << "the first data row is the current one";

  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  dialog.Timer1Timer();  // what the running 300 ms timer does
  EXPECT_TRUE(dialog.Button_Clear.Enabled());
}

// More results than the grid reads at a time, many with equal play times: every
// row, rank and tooltip is the one the full list gives, wherever it is scrolled to.
TEST_F(HighscoreDialog, ALongListShowsEveryRowInTheListsOrder) {
  Raw("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 700) "
      "INSERT INTO tab_spieler SELECT printf('SR%08d', i), 'Spieler ' || (i % 37), "
      "printf('2026-12-%02d', 1 + i % 28), printf('00:%02d:%02d', (i * 7) % 60, i % 13) FROM n");
  TDLG_Highscore dialog(nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  TTrovDsgStringGrid& grid = dialog.StringGrid_Highscore;
  ASSERT_EQ(grid.RowCount(), 701);
  std::unique_ptr<TSQLiteTable> list = QueryHighscoreList();
  for (int row = 1; !list->AtEnd(); list->MoveNext(), ++row) {
    QString date;
    ASSERT_TRUE(StoredDateToDisplay(list->CellText(list->ColumnIndex("Datum")), date));
    ASSERT_EQ(Row(dialog, row),
              (QStringList{QString::number(row), list->CellText(list->ColumnIndex("Name")), date,
                           list->CellText(list->ColumnIndex("Spielzeit"))}))
        << row;
    ASSERT_EQ(dialog.ResultIdOfRow(row), list->CellText(list->ColumnIndex("Spieler_ID"))) << row;
  }

  grid.scrollToBottom();
  QApplication::processEvents();
  const QStringList last = Row(dialog, 700);
  MoveOverCell(grid, 2, 700);
  ASSERT_EVENTUALLY(!grid.RowHint().isEmpty());
  EXPECT_EQ(grid.RowHint(),
            "Name: " + last[1] + "\nDatum: " + last[2] + "\nSpielzeit: " + last[3] + "\n");
}

TEST_F(HighscoreDialog, RowHintOverADataRow) {
  AddResult("Carla|Dora", QDate(2010, 5, 19), 130);
  TDLG_Highscore dialog(nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  TTrovDsgStringGrid& grid = dialog.StringGrid_Highscore;
  MoveOverCell(grid, 2, 1);
  ASSERT_EVENTUALLY(!grid.RowHint().isEmpty());
  EXPECT_EQ(grid.RowHint(), QString("Name: Carla/Dora\nDatum: 19.05.2010\nSpielzeit: 00:02:10\n"));
}

TEST_F(HighscoreDialog, NoResultsShowOnlyTheHeadersAndDisableTheClearButton) {
  TDLG_Highscore dialog(nullptr);
  EXPECT_EQ(dialog.StringGrid_Highscore.RowCount(), 1);
  EXPECT_EQ(Row(dialog, 0), (QStringList{"Rang", "Name", "Datum", "Spielzeit"}));
  EXPECT_TRUE(dialog.Button_Clear.Enabled());
  dialog.show();
  dialog.Timer1Timer();  // what the running 300 ms timer does
  EXPECT_FALSE(dialog.Button_Clear.Enabled());
}

// With no results the grid keeps no fixed row: the header texts stand in a plain
// row, and only the rank column keeps the header look.
TEST_F(HighscoreDialog, NoResultsLeaveTheHeaderLookToTheRankColumnAlone) {
  auto headerPixels = [](TDLG_Highscore& dialog) {
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    TTrovDsgStringGrid& grid = dialog.StringGrid_Highscore;
    const QImage image = grid.grab().toImage();
    QList<QRgb> pixels;
    for (int col = 0; col < 4; ++col) {
      const QRect cell = grid.CellRect(col, 0);
      pixels << image.pixel(cell.right() - 3, cell.top() + 1);  // above any letter
    }
    return pixels;
  };
  AddResult("Anna", QDate(2010, 5, 17), 90);
  TDLG_Highscore withResult(nullptr);
  const QList<QRgb> header = headerPixels(withResult);
  for (int col = 1; col < 4; ++col)
    EXPECT_EQ(header[col], header[0]) << "all four in the header look";
  Raw("DELETE FROM tab_spieler");
  TDLG_Highscore empty(nullptr);
  EXPECT_EQ(empty.StringGrid_Highscore.FixedRows(), 0);
  EXPECT_EQ(Row(empty, 0), (QStringList{"Rang", "Name", "Datum", "Spielzeit"}));
  const QList<QRgb> plain = headerPixels(empty);
  EXPECT_EQ(plain[0], header[0]) << "the rank column keeps the header look";
  for (int col = 1; col < 4; ++col) EXPECT_NE(plain[col], header[col]) << col;
}

TEST_F(HighscoreDialog, MissingTableShowsOneEmptyRowAndKeepsClearEnabled) {
  Raw("DROP TABLE tab_spieler");
  TDLG_Highscore dialog(nullptr);
  EXPECT_EQ(dialog.StringGrid_Highscore.RowCount(), 2);
  EXPECT_EQ(Row(dialog, 1), (QStringList{"", "", "", ""}));
  dialog.show();
  dialog.Timer1Timer();  // what the running 300 ms timer does
  EXPECT_TRUE(dialog.Button_Clear.Enabled());
  QTest::mouseClick(&dialog.Button_Clear, Qt::LeftButton);
  ASSERT_EQ(Boxes.Boxes.size(), 1) << "the confirmation only; the deletion succeeds";
  EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Confirmation);
}

TEST_F(HighscoreDialog, ClearingAfterConfirmation) {
  AddResult("Anna", QDate(2010, 5, 17), 130);
  AddResult("Bob", QDate(2010, 5, 18), 90);
  TDLG_Highscore dialog(nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

  Boxes.Answers = {false};
  QTest::mouseClick(&dialog.Button_Clear, Qt::LeftButton);
  ASSERT_EQ(Boxes.Boxes.size(), 1);
  EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Confirmation);
  EXPECT_EQ(Boxes.Boxes[0].Text, QString("Sollen alle Highscore-Einträge gelöscht werden?"));
  EXPECT_EQ(dialog.StringGrid_Highscore.RowCount(), 3) << "No changes nothing";
  EXPECT_EQ(QueryHighscoreList()->RowCount(), 2);

  Boxes.Answers = {true};
  QTest::mouseClick(&dialog.Button_Clear, Qt::LeftButton);
  ASSERT_EQ(Boxes.Boxes.size(), 2);
  EXPECT_EQ(dialog.StringGrid_Highscore.RowCount(), 1);
  EXPECT_EQ(QueryHighscoreList()->RowCount(), 0);
  EXPECT_TRUE(dialog.StringGrid_Highscore.isVisible()) << "unlocked again";
  dialog.Timer1Timer();  // what the running 300 ms timer does
  EXPECT_FALSE(dialog.Button_Clear.Enabled());
}

TEST_F(HighscoreDialog, AFailedDeletionIsReportedAndTheListKept) {
  AddResult("Anna", QDate(2010, 5, 17), 130);
  Raw("CREATE TRIGGER keep BEFORE DELETE ON tab_spieler BEGIN SELECT RAISE(ABORT, 'no'); END");
  TDLG_Highscore dialog(nullptr);
  dialog.show();
  Boxes.Answers = {true};
  QTest::mouseClick(&dialog.Button_Clear, Qt::LeftButton);
  ASSERT_EQ(Boxes.Boxes.size(), 2);
  EXPECT_EQ(Boxes.Boxes[1].Kind, TMessageKind::Error);
  EXPECT_EQ(Boxes.Boxes[1].Text, QString("Die Highscoreliste konnte nicht gelöscht werden!"));
  EXPECT_EQ(Row(dialog, 1)[1], QString("Anna"));
}

// The results are gone, but the list cannot be read again: the player is told,
// and the dialog stays open.
TEST_F(HighscoreDialog, AListLockedRightAfterClearingIsReported) {
  AddResult("Anna", QDate(2010, 5, 17), 130);
  TDLG_Highscore dialog(nullptr);
  dialog.show();
  Database->SetBusyTimeout(100);
  std::optional<TLockedElsewhere> lock;
  Database->OnStatement = [&](const QString& sql) {
    if (sql.startsWith("SELECT * FROM tab_spieler") && !lock) lock.emplace(FilePath());
  };
  Boxes.Answers = {true};
  QTest::mouseClick(&dialog.Button_Clear, Qt::LeftButton);
  ASSERT_EQ(Boxes.Boxes.size(), 2);
  EXPECT_EQ(Boxes.Boxes[1].Kind, TMessageKind::Error);
  EXPECT_EQ(Boxes.Boxes[1].Text, QString("Could not prepare SQL statement"));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.StringGrid_Highscore.isHidden()) << "unlocked after the error";
  Database->OnStatement = nullptr;
  lock.reset();
  EXPECT_EQ(QueryHighscoreList()->RowCount(), 0) << "the clearing itself was done";
}

TEST_F(HighscoreDialog, EscCloses) {
  TDLG_Highscore dialog(nullptr);
  QTimer::singleShot(0, &dialog, [&] {
    QTest::keyClick(&dialog, Qt::Key_Escape);
    if (dialog.isVisible()) dialog.accept();
  });
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}

TEST_F(HighscoreDialog, AnUnreadableDateLeavesItsCellEmpty) {
  Raw("INSERT INTO tab_spieler VALUES (\"SR00000001\", \"Anna\", \"gestern\", \"00:01:00\")");
  TDLG_Highscore dialog(nullptr);
  EXPECT_EQ(Row(dialog, 1), (QStringList{"1", "Anna", "", "00:01:00"}));
}

TEST_F(HighscoreDialog, AQueryErrorIsShownAndTheDialogStillOpens) {
  Raw("DROP TABLE tab_spieler");
  Raw("CREATE TABLE tab_spieler (Spieler_ID TEXT)");  // no Spielzeit: the query fails
  TDLG_Highscore dialog(nullptr);
  ASSERT_EQ(Boxes.Boxes.size(), 1);
  EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Error);
  EXPECT_FALSE(dialog.StringGrid_Highscore.isHidden()) << "unlocked after the error";
  EXPECT_EQ(dialog.windowTitle(), QString("Highscore"));
}

TEST(StoredDateToDisplay, StoredAndShortFormats) {
  const QLocale saved;
  QString display;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  ASSERT_TRUE(StoredDateToDisplay("2010-05-17", display));
  EXPECT_EQ(display, QString("17.05.2010"));
  ASSERT_TRUE(StoredDateToDisplay("17.05.2010", display)) << "the short format itself";
  EXPECT_EQ(display, QString("17.05.2010"));
  EXPECT_FALSE(StoredDateToDisplay("2010-13-40", display));
  EXPECT_FALSE(StoredDateToDisplay("", display));

  // A user whose short format is year-month-day with hyphens.
  QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
  ASSERT_EQ(ShortDateFormat(), QString("yyyy-MM-dd"));
  ASSERT_TRUE(StoredDateToDisplay("2010-05-17", display));
  EXPECT_EQ(display, QString("2010-05-17"));
  QLocale::setDefault(saved);
}
