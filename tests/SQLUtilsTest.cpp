// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSet>

#include "persistence/SQLUtils.h"
#include "tests/ChildWithPipe.h"
#include "tests/DatabaseFixture.h"

namespace {

class TStore : public TDatabaseFixture {
 protected:
  void SetUp() override {
    TDatabaseFixture::SetUp();
    ASSERT_TRUE(CreateTables());
    TakeStatements();
  }

  QString StoreResult(const QString& name, const QString& playTime,
                      const QDate& date = {2026, 12, 10}) {
    PlayerData->Name = name;
    PlayerData->Datum = date;
    const QStringList parts = playTime.split(':');
    PlayerData->Spielzeit =
        std::chrono::seconds(parts[0].toInt() * 3600 + parts[1].toInt() * 60 + parts[2].toInt());
    QString id;
    EXPECT_TRUE(InsertResult(id));
    return id;
  }

  // Every row of the high-score list as "name|date|time".
  QStringList HighscoreRows() {
    const auto list = QueryHighscoreList();
    QStringList rows;
    for (; !list->AtEnd(); list->MoveNext())
      rows << list->CellText(list->ColumnIndex("Name")) + "|" +
                  list->CellText(list->ColumnIndex("Datum")) + "|" +
                  list->CellText(list->ColumnIndex("Spielzeit"));
    return rows;
  }

  // The write among the statements sent: the last one before COMMIT.
  QString SentWrite() {
    const QStringList sent = TakeStatements();
    const qsizetype begin = sent.indexOf("BEGIN IMMEDIATE TRANSACTION");
    const qsizetype commit = sent.indexOf("COMMIT");
    return begin >= 0 && commit > begin + 1 ? sent[commit - 1] : QString("(no write)");
  }
};

using TFreshDatabase = TDatabaseFixture;

}  // namespace

TEST_F(TFreshDatabase, CreateTablesOnceThenOnlyLooks) {
  EXPECT_TRUE(CreateTables());
  EXPECT_TRUE(Errors.isEmpty());
  const QStringList first = TakeStatements();
  ASSERT_EQ(first.size(), 5);
  EXPECT_EQ(first[1],
            "CREATE TABLE tab_setup (\r\nSetup_ID VARCHAR(10) PRIMARY KEY\r\n,Sound "
            "TINYINT\r\n,Music TINYINT\r\n"
            ",Volume INTEGER\r\n,Lang INTEGER\r\n);\r\n");
  EXPECT_EQ(
      first[3],
      "CREATE TABLE tab_spieler (\r\nSpieler_ID VARCHAR(10) PRIMARY KEY\r\n,Name VARCHAR(50)\r\n"
      ",Datum DATE\r\n,Spielzeit TIME\r\n);\r\n");
  EXPECT_EQ(first[4],
            "CREATE INDEX IF NOT EXISTS idx_tab_spieler_Spielzeit ON tab_spieler (Spielzeit)");
  EXPECT_TRUE(CreateTables());
  const QStringList second = TakeStatements();
  ASSERT_EQ(second.size(), 3) << "the two looks, and the index that is there already";
  EXPECT_TRUE(second[0].startsWith("select [sql] from sqlite_master"));
}

TEST_F(TFreshDatabase, OnlyTheMissingTableIsMade) {
  ASSERT_TRUE(CreateTables());
  SaveSetup();
  Raw("DROP TABLE tab_spieler");
  EXPECT_TRUE(CreateTables());
  EXPECT_TRUE(Database->HasTable("tab_spieler"));
  EXPECT_EQ(Database->Query("SELECT * FROM tab_setup")->RowCount(), 1);
}

TEST_F(TFreshDatabase, TablesThatCannotBeMadeAreNamedInGerman) {
  Raw("PRAGMA query_only = 1");
  EXPECT_FALSE(CreateTables());
  ASSERT_EQ(Errors.size(), 1);
  EXPECT_EQ(Errors[0],
            "Fehler beim Erstellen folgender Tabellen:\n\n\"Einstellungen\"\r\n\"Spieler\"\r\n");
}

TEST_F(TStore, RecordIdentifiers) {
  EXPECT_EQ(FormatRecordId("SR", "7"), "SR00000007");
  EXPECT_EQ(FormatRecordId("SR", "123456789"), "SR123456789");
  EXPECT_EQ(NextRecordId("SR", "tab_spieler", "Spieler_ID"), "SR00000001");
  EXPECT_EQ(TakeStatements().last(),
            "SELECT MAX(CAST(LTRIM(Spieler_ID,\"SR\") AS INTEGER)) + 1 ID FROM tab_spieler");
  EXPECT_EQ(StoreResult("A", "00:01:00"), "SR00000001");
  EXPECT_EQ(StoreResult("B", "00:01:00"), "SR00000002");
  Raw("INSERT INTO tab_spieler VALUES ('SR99999999', 'C', '2026-01-01', '00:00:09')");
  EXPECT_EQ(StoreResult("D", "00:01:00"), "SR100000000");

  TakeStatements();
  EXPECT_EQ(NextRecordId("SR", "tab_nichts", "Spieler_ID"), "");
  EXPECT_EQ(TakeStatements().size(), 1) << "only the existence check";
}

TEST_F(TStore, SettingsInsertThenUpdate) {
  LoadSetup();
  EXPECT_TRUE(SetupData->Sound && SetupData->Music);
  EXPECT_EQ(SetupData->Volume, 50);
  EXPECT_EQ(SetupData->Lang, 0);
  EXPECT_FALSE(FirstRunDone());

  SaveSetup();
  EXPECT_EQ(SentWrite(),
            "INSERT INTO tab_setup "
            "(\r\nSetup_ID\r\n,Sound\r\n,Music\r\n,Volume\r\n,Lang\r\n)\r\nVALUES (\r\n"
            "\"SP00000001\"\r\n,1\r\n,1\r\n,50\r\n,0\r\n);\r\n");
  SetupData->Sound = false;
  SetupData->Volume = 80;
  SetupData->Lang = 2;
  SaveSetup();
  EXPECT_EQ(SentWrite(),
            "UPDATE tab_setup\r\nSET Sound=0\r\n,Music=1\r\n,Volume=80\r\n,Lang=2\r\nWHERE "
            "Setup_ID=\"SP00000001\"\r\n");

  SetupData = std::make_unique<TSetupDaten>();
  LoadSetup();
  EXPECT_FALSE(SetupData->Sound);
  EXPECT_TRUE(SetupData->Music);
  EXPECT_EQ(SetupData->Volume, 80);
  EXPECT_EQ(SetupData->Lang, 2);
}

TEST_F(TStore, UnreadableStoredValuesFallBack) {
  Raw("INSERT INTO tab_setup VALUES ('SP00000001', 2, 1, NULL, 7)");
  LoadSetup();
  EXPECT_FALSE(SetupData->Sound);
  EXPECT_TRUE(SetupData->Music);
  EXPECT_EQ(SetupData->Volume, 50);
  EXPECT_EQ(SetupData->Lang, 7);
}

TEST_F(TStore, FirstRunMarkerIsWrittenOnce) {
  MarkFirstRun();
  EXPECT_EQ(SentWrite(),
            "INSERT INTO tab_setup "
            "(\r\nSetup_ID\r\n,Sound\r\n,Music\r\n,Volume\r\n,Lang\r\n)\r\nVALUES (\r\n"
            "\"SP00000002\"\r\n,0\r\n,0\r\n,0\r\n,0\r\n);\r\n");
  EXPECT_TRUE(FirstRunDone());
  TakeStatements();
  MarkFirstRun();
  EXPECT_EQ(TakeStatements().size(), 2) << "existence check and lookup, no write";
  LoadSetup();
  EXPECT_EQ(SetupData->Volume, 50) << "the marker is no settings row";
}

TEST_F(TFreshDatabase, WithoutTheSettingsTableNothingIsTouched) {
  SetupData->Volume = 33;
  LoadSetup();
  EXPECT_EQ(SetupData->Volume, 33) << "nothing stored: the settings stay";
  EXPECT_EQ(ErrorOf([] { SaveSetup(); }), "No such table: tab_setup");
  TSetupDaten wanted;
  wanted.Volume = 70;
  EXPECT_EQ(ErrorOf([&] { SaveSetupAs(wanted); }), "No such table: tab_setup");
  EXPECT_FALSE(FirstRunDone());
  EXPECT_EQ(ErrorOf([] { MarkFirstRun(); }), "No such table: tab_setup");
  EXPECT_EQ(SetupData->Volume, 33);
  QString id = "unchanged";
  EXPECT_FALSE(InsertResult(id));
  EXPECT_EQ(id, "unchanged");
  QStringList names{"x"};
  EXPECT_FALSE(ReadPlayerNames(names));
  EXPECT_TRUE(names.isEmpty());
  EXPECT_EQ(RankOfResult("SR00000001"), 0);
}

TEST_F(TStore, TheResultStatement) {
  PlayerData->Name = "Jo \"der Blitz\"";
  PlayerData->Datum = QDate(2026, 3, 4);
  PlayerData->Spielzeit = std::chrono::seconds(25 * 3600 + 13 * 60 + 7);
  QString id;
  ASSERT_TRUE(InsertResult(id));
  EXPECT_EQ(
      SentWrite(),
      "INSERT INTO tab_spieler (\r\nSpieler_ID\r\n,Name\r\n,Datum\r\n,Spielzeit\r\n)\r\nVALUES "
      "(\r\n"
      "\"SR00000001\"\r\n,\"Jo \"\"der Blitz\"\"\"\r\n,\"2026-03-04\"\r\n,\"25:13:07\"\r\n);\r\n");
  EXPECT_EQ(HighscoreRows(), QStringList{"Jo \"der Blitz\"|2026-03-04|25:13:07"});
}

TEST_F(TStore, EveryNameComesBackExactlyAndNothingElseChanges) {
  const QString names[] = {"\"",
                           "'",
                           "O'Brien",
                           "Name",
                           "Spieler_ID",
                           "\"); DROP TABLE tab_spieler; --",
                           "  blanks around  ",
                           QString(10000, QChar('x')),
                           QString::fromUtf8("Jürgen Größe"),
                           QString::fromUtf8("Muñoz ß ¿¡"),
                           QString::fromUtf8("王小明 🎉"),
                           "tab\there",
                           "line\nbreak"};
  QStringList expected;
  int rows = 0;
  for (const QString& name : names) {
    StoreResult(name, "00:00:01");
    ++rows;
    expected << name + "|2026-12-10|00:00:01";
    QStringList stored;
    ASSERT_TRUE(ReadPlayerNames(stored));
    EXPECT_TRUE(stored.contains(name)) << name.left(40).toStdString();
    EXPECT_EQ(stored.size(), rows);
    EXPECT_EQ(Database->Query("SELECT * FROM tab_spieler")->RowCount(), rows);
  }
  QStringList read = HighscoreRows();
  read.sort();
  expected.sort();
  EXPECT_EQ(read, expected);
}

TEST_F(TStore, RanksAndPlayerNames) {
  const QString slow1 = StoreResult("Anna", "00:02:10");
  const QString slow2 = StoreResult("anna", "00:02:10");
  const QString fast = StoreResult("Anna", "00:01:30");
  EXPECT_EQ(RankOfResult(fast), 1);
  const int a = RankOfResult(slow1), b = RankOfResult(slow2);
  EXPECT_EQ(QSet<int>({a, b}), QSet<int>({2, 3}));
  EXPECT_EQ(RankOfResult("SR00000099"), 3) << "an unknown identifier counts every row";
  QStringList names;
  ASSERT_TRUE(ReadPlayerNames(names));
  names.sort();
  EXPECT_EQ(names, (QStringList{"Anna", "anna"}));
}

TEST_F(TStore, ANulInANameIsDroppedAndTheResultKept) {
  StoreResult(QString::fromUtf16(u"An\u0000na\u0001", 6), "00:00:07");
  QStringList names;
  ASSERT_TRUE(ReadPlayerNames(names));
  EXPECT_EQ(names, QStringList{QString::fromUtf16(u"Anna\u0001")});
}

TEST_F(TStore, ANameStoredBothIn8BitAndInUtf8IsListedOnce) {
  Raw("INSERT INTO tab_spieler VALUES ('SR00000001', CAST(X'4AFC7267656E' AS TEXT), "
      "'2009-01-01', '00:01:00')");  // "Jürgen" in Windows-1252
  StoreResult("Anna", "00:02:00");
  StoreResult(QString::fromUtf8("Jürgen"), "00:03:00");
  StoreResult("Anna", "00:04:00");
  QStringList names;
  ASSERT_TRUE(ReadPlayerNames(names));
  EXPECT_EQ(names, (QStringList{QString::fromUtf8("Jürgen"), "Anna"}));
  EXPECT_EQ(Database->Query("SELECT DISTINCT Name FROM tab_spieler")->RowCount(), 3)
      << "nothing stored is rewritten";
}

TEST_F(TStore, ClearingStartsTheNumberingAgain) {
  QStringList names;
  ASSERT_TRUE(ReadPlayerNames(names));
  EXPECT_TRUE(names.isEmpty());
  EXPECT_EQ(RankOfResult("SR00000001"), 0);
  StoreResult("A", "00:00:05");
  StoreResult("B", "00:00:06");
  ClearResults();
  EXPECT_TRUE(HighscoreRows().isEmpty());
  EXPECT_EQ(StoreResult("C", "00:00:07"), "SR00000001");
}

TEST_F(TStore, ClearingInsideAnOpenTransactionTouchesNothing) {
  StoreResult("A", "00:00:05");
  Database->StartTransaction();
  EXPECT_NE(ErrorOf([] { ClearResults(); }), "(no error)");
  EXPECT_TRUE(Database->InTransaction());
  Database->CommitTransaction();
  EXPECT_EQ(HighscoreRows().size(), 1);
}

TEST_F(TStore, AWriteRefusedOnceDoesNotBlockTheNext) {
  StoreResult("A", "00:00:05");
  Raw("PRAGMA query_only = 1");
  PlayerData->Name = "B";
  QString id;
  const QString message = ErrorOf([&] { static_cast<void>(InsertResult(id)); });
  EXPECT_TRUE(message.startsWith(
      "Error executing SQL statement.\rError [8]: Attempt to write a readonly database."))
      << message.toStdString();
  EXPECT_FALSE(Database->InTransaction()) << "the failed write's own transaction is rolled back";
  SetupData->Volume = 70;
  EXPECT_NE(ErrorOf([] { SaveSetup(); }), "(no error)");
  EXPECT_NE(ErrorOf([] { MarkFirstRun(); }), "(no error)");
  EXPECT_NE(ErrorOf([] { ClearResults(); }), "(no error)");
  Raw("PRAGMA query_only = 0");
  EXPECT_EQ(StoreResult("C", "00:00:07"), "SR00000002");
  SaveSetup();
  EXPECT_EQ(HighscoreRows(), (QStringList{"A|2026-12-10|00:00:05", "C|2026-12-10|00:00:07"}));
}

// SQLite rolls a transaction back by itself on a full disk; the writer's own
// ROLLBACK then fails, and the layer must not think the transaction still open.
TEST_F(TStore, AfterAFullDiskIsFreedTheNextResultIsStored) {
  StoreResult("A", "00:00:05");
  const auto pages = Database->Query("PRAGMA page_count");
  Raw(("PRAGMA max_page_count = " + pages->CellText(0)).toUtf8().constData());
  PlayerData->Name = QString(20000, QLatin1Char('x'));  // needs pages the file may not have
  QString id;
  const QString message = ErrorOf([&] { static_cast<void>(InsertResult(id)); });
  EXPECT_TRUE(message.contains("Error [13]")) << message.toStdString();
  EXPECT_FALSE(Database->InTransaction());
  Raw("PRAGMA max_page_count = 1073741823");
  EXPECT_EQ(StoreResult("C", "00:00:07"), "SR00000002");
  SetupData->Volume = 70;
  SaveSetup();
  EXPECT_EQ(HighscoreRows(), (QStringList{"A|2026-12-10|00:00:05", "C|2026-12-10|00:00:07"}));
}

TEST_F(TStore, ALastingLockElsewhereFailsAndWritesNothingHalf) {
  StoreResult("A", "00:00:05");
  Database->SetBusyTimeout(100);
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(FilePath().toUtf8().constData(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  PlayerData->Name = "B";
  QString id;
  EXPECT_EQ(ErrorOf([&] { static_cast<void>(InsertResult(id)); }),
            "Could not prepare SQL statement");
  EXPECT_EQ(ErrorOf([] { SaveSetup(); }), "Could not prepare SQL statement");
  QStringList names;
  EXPECT_EQ(ErrorOf([&] { ReadPlayerNames(names); }), "Could not prepare SQL statement");
  EXPECT_FALSE(Database->InTransaction());
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_EQ(StoreResult("C", "00:00:07"), "SR00000002");
  EXPECT_EQ(HighscoreRows().size(), 2);
}

TEST_F(TStore, AWriterKilledMidStreamLeavesASoundFileWithEveryReturnedResult) {
  Database.reset();
  TChildWithPipe child([&](int writeEnd) {
    Database = std::make_unique<TSQLiteDatabase>(FilePath());
    PlayerData = std::make_unique<TSpielerDaten>();
    PlayerData->Datum = QDate(2026, 12, 10);
    for (int i = 0;; ++i) {
      PlayerData->Name = QString("Spieler %1").arg(i);
      PlayerData->Spielzeit = std::chrono::seconds(i);
      QString id;
      if (!InsertResult(id)) _exit(2);
      const QByteArray line = id.toLatin1() + "\n";
      if (write(writeEnd, line.constData(), static_cast<size_t>(line.size())) < 0) _exit(3);
    }
  });
  ASSERT_TRUE(child.Started());
  QStringList returned;
  QByteArray pending;
  char buffer[256];
  while (returned.size() < 40) {
    const ssize_t got = read(child.ReadEnd, buffer, sizeof buffer);
    ASSERT_GT(got, 0);
    pending.append(buffer, got);
    while (pending.contains('\n')) {
      const qsizetype end = pending.indexOf('\n');
      returned << QString::fromLatin1(pending.left(end));
      pending.remove(0, end + 1);
    }
  }
  kill(child.Pid, SIGKILL);
  waitpid(child.Pid, nullptr, 0);

  Database = std::make_unique<TSQLiteDatabase>(FilePath());
  const auto check = Database->Query("PRAGMA integrity_check");
  EXPECT_EQ(check->CellText(0), "ok");
  const auto rows = Database->Query("SELECT Spieler_ID FROM tab_spieler");
  QSet<QString> stored;
  for (; !rows->AtEnd(); rows->MoveNext()) stored.insert(rows->CellText(0));
  for (const QString& id : returned) EXPECT_TRUE(stored.contains(id)) << id.toStdString();
}

namespace {

// The names stored in the file at the path, read past the layer.
QStringList NamesInFile(const QString& path) {
  QStringList names;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT Name FROM tab_spieler ORDER BY Spieler_ID", -1, &statement,
                           nullptr) == SQLITE_OK)
      while (sqlite3_step(statement) == SQLITE_ROW)
        names << QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
  return names;
}

}  // namespace

TEST_F(TStore, AFileDeletedMovedOrReplacedWhileRunningGetsTheNextResultAtItsPath) {
  StoreResult("A", "00:00:05");
  ASSERT_TRUE(QFile::remove(FilePath()));
  EXPECT_EQ(StoreResult("B", "00:00:06"), "SR00000001") << "a new file, made as at start-up";
  EXPECT_EQ(NamesInFile(FilePath()), QStringList{"B"});
  EXPECT_TRUE(Database->HasTable("tab_setup"));

  // Moved away, and a copy put back in its place.
  ASSERT_TRUE(QFile::rename(FilePath(), FilePath() + ".old"));
  ASSERT_TRUE(QFile::copy(FilePath() + ".old", FilePath()));
  StoreResult("C", "00:00:07");
  EXPECT_EQ(NamesInFile(FilePath()), (QStringList{"B", "C"}));
  EXPECT_EQ(NamesInFile(FilePath() + ".old"), QStringList{"B"});

  // The whole folder gone.
  ASSERT_TRUE(QDir(Folder.path()).removeRecursively());
  StoreResult("D", "00:00:08");
  EXPECT_EQ(NamesInFile(FilePath()), QStringList{"D"});
  SetupData->Volume = 70;
  SaveSetup();

  // A folder in the file's place fails each write once, until it is gone.
  ASSERT_TRUE(QFile::remove(FilePath()));
  ASSERT_TRUE(QDir().mkdir(FilePath()));
  QString id;
  EXPECT_TRUE(ErrorOf([&] { (void)InsertResult(id); }).startsWith("Failed to open database"));
  EXPECT_NE(ErrorOf([] { ClearResults(); }), "(no error)");
  ASSERT_TRUE(QDir().rmdir(FilePath()));
  EXPECT_EQ(StoreResult("E", "00:00:09"), "SR00000001");
  EXPECT_EQ(NamesInFile(FilePath()), QStringList{"E"});
}

// Another program on the same file (a second login, a second machine on a shared
// home) stores its result just after this one drew its identifier.
TEST_F(TStore, ASecondWriterBetweenTheIdentifierAndTheInsertLosesNoResult) {
  StoreResult("A", "00:00:05");
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(FilePath().toUtf8().constData(), &other), SQLITE_OK);
  const char* otherInsert =
      "INSERT INTO tab_spieler SELECT 'SR' || printf('%08d', MAX(CAST(LTRIM(Spieler_ID, 'SR') AS "
      "INTEGER)) + 1), 'Other', '2026-12-10', '00:00:06' FROM tab_spieler";
  // The layer's next statement after the identifier's query: the other program
  // writes before it runs.
  bool drawn = false, tried = false, otherStored = false;
  Database->OnStatement = [&](const QString& sql) {
    if (drawn && !tried) {
      tried = true;
      otherStored = sqlite3_exec(other, otherInsert, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    drawn = drawn || sql.startsWith("SELECT MAX(CAST(LTRIM(Spieler_ID");
  };
  PlayerData->Name = "B";
  PlayerData->Spielzeit = std::chrono::seconds(7);
  QString id;
  EXPECT_EQ(ErrorOf([&] { EXPECT_TRUE(InsertResult(id)); }), "(no error)");
  ASSERT_TRUE(tried);
  // The other program waited for this one's write and stores its own after it.
  if (!otherStored) {
    EXPECT_EQ(sqlite3_exec(other, otherInsert, nullptr, nullptr, nullptr), SQLITE_OK);
  }
  sqlite3_close(other);
  QStringList names = NamesInFile(FilePath());
  names.sort();
  EXPECT_EQ(names, (QStringList{"A", "B", "Other"}));
}

// The rank counts over the index; it must name the row's position in the list
// for every row, ties and play times the table holds as NULL included.
TEST_F(TStore, EveryRankIsThePositionInTheList) {
  for (const char* time : {"00:02:10", "00:01:30", "00:02:10", "00:00:09", "00:02:10", "00:01:30"})
    StoreResult("A", time);
  Raw("INSERT INTO tab_spieler VALUES ('SR00000050', 'N', '2026-12-10', NULL)");
  Raw("INSERT INTO tab_spieler VALUES ('SR00000051', 'N', '2026-12-10', NULL)");
  const auto list = QueryHighscoreList();
  int position = 0;
  for (; !list->AtEnd(); list->MoveNext()) {
    ++position;
    const QString id = list->CellText(list->ColumnIndex("Spieler_ID"));
    EXPECT_EQ(RankOfResult(id), position) << id.toStdString();
  }
  EXPECT_EQ(position, 8);
  const auto page = QueryHighscoreRows(3, 2);
  ASSERT_EQ(page->RowCount(), 2);
  EXPECT_EQ(RankOfResult(page->CellText(page->ColumnIndex("Spieler_ID"))), 4);
  EXPECT_EQ(CountResults(), 8);
}
