// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QFile>
#include <QLocale>
#include <chrono>
#include <thread>

#include "persistence/SQLiteTable3.h"
#include "tests/DatabaseFixture.h"

namespace {

using TLayer = TDatabaseFixture;

}  // namespace

TEST(SQLiteLayer, OpeningInAMissingFolderNamesThePath) {
  const QString path = "/nonexistent-folder/sub/Tessaryn.dbs";
  const QString message = ErrorOf([&] { TSQLiteDatabase db(path); });
  EXPECT_TRUE(message.startsWith("Failed to open database \"" + path + "\" : "))
      << message.toStdString();
}

TEST(SQLiteLayer, ErrorCodeTexts) {
  EXPECT_EQ(ErrorCodeText(0), "Successful result");
  EXPECT_EQ(ErrorCodeText(19), "Abort due to contraint violation");
  EXPECT_EQ(ErrorCodeText(26), "File opened that is not a database file");
  EXPECT_EQ(ErrorCodeText(101), "sqlite3_step() has finished executing");
  EXPECT_EQ(ErrorCodeText(27), "Unknown SQLite Error Code \"27\"");
}

TEST_F(TLayer, EmptyResult) {
  Raw("CREATE TABLE t (a INTEGER)");
  const auto table = Database->Query("SELECT a FROM t");
  EXPECT_EQ(table->RowCount(), 0);
  EXPECT_EQ(table->ColumnCount(), 0);
  EXPECT_TRUE(table->AtEnd());
  EXPECT_FALSE(table->MoveNext());
  EXPECT_EQ(ErrorOf([&] { table->ColumnIndex("Wer"); }), "Field Wer Not found. Empty dataset");
  EXPECT_EQ(ErrorOf([&] { table->CellText(0); }), "Table is at End of File");
}

TEST_F(TLayer, CellsFollowTheDeclaredTypes) {
  Raw("CREATE TABLE t (i INTEGER, b BOOLEAN, tiny TINYINT, r REAL, blob BLOB, v VARCHAR(5), x "
      "text)");
  Raw("INSERT INTO t VALUES (50, 1, 1, 2.5, x'4142', 'hi', 7)");
  Raw("INSERT INTO t VALUES (-3, NULL, NULL, NULL, x'', NULL, NULL)");
  const auto table = Database->Query("SELECT * FROM t");
  ASSERT_EQ(table->RowCount(), 2);
  ASSERT_EQ(table->ColumnCount(), 7);
  auto row = [&] {
    QStringList cells;
    for (const char* name : {"I", "b", "Tiny", "r", "BLOB", "v", "x"})
      cells << table->CellText(table->ColumnIndex(name));
    return cells;
  };
  EXPECT_EQ(row(), (QStringList{"50", "1", "1", QLocale::system().toString(2.5, 'g', 15), "AB",
                                "hi", "7"}));
  ASSERT_TRUE(table->MoveNext());
  EXPECT_EQ(row(), (QStringList{"-3", "", "", "", "", "", ""}));
  EXPECT_TRUE(table->MoveNext());
  EXPECT_TRUE(table->AtEnd());
  EXPECT_FALSE(table->MoveNext());
  EXPECT_EQ(table->CurrentRow(), 2);
  EXPECT_EQ(ErrorOf([&] { table->ColumnIndex("Namex"); }), "Field not found in dataset: Namex");
}

TEST_F(TLayer, ExpressionColumnsTakeTheirFirstValuesType) {
  Raw("CREATE TABLE t (id VARCHAR(10))");
  auto next = [&] {
    const auto table = Database->Query("SELECT MAX(CAST(id AS INTEGER)) + 1 ID FROM t");
    return table->CellText(table->ColumnIndex("id"));
  };
  EXPECT_EQ(next(), "");
  Raw("INSERT INTO t VALUES ('41')");
  EXPECT_EQ(next(), "42");
}

TEST_F(TLayer, ExecuteFailuresCarryStepCodeStatementAndMessage) {
  EXPECT_EQ(ErrorOf([&] { Database->Execute("SELEC x"); }),
            "Error executing SQL.\rError [1]: SQL error or missing database.\r\"SELEC x\": near "
            "\"SELEC\": "
            "syntax error");
  const QString row = ErrorOf([&] { Database->Execute("SELECT 1"); });
  EXPECT_TRUE(row.startsWith("Error executing SQL statement.\r")) << row.toStdString();
  EXPECT_TRUE(row.contains("Error [100]: sqlite3_step() has another row ready.\r\"SELECT 1\": "))
      << row.toStdString();
  EXPECT_EQ(ErrorOf([&] { Database->Execute("  "); }), "Could not prepare SQL statement");
}

TEST_F(TLayer, ExecuteRunsTheFirstStatementOnly) {
  Database->Execute("CREATE TABLE a (x INTEGER); CREATE TABLE b (x INTEGER);");
  EXPECT_TRUE(Database->HasTable("A"));
  EXPECT_FALSE(Database->HasTable("b"));
  EXPECT_EQ(TakeStatements().last(),
            "select [sql] from sqlite_master where [type] = 'table' and lower(name) = 'b' ");
}

TEST_F(TLayer, SecondStartTransactionSendsNothing) {
  Database->StartTransaction();
  TakeStatements();
  EXPECT_EQ(ErrorOf([&] { Database->StartTransaction(); }), "Transaction already open");
  EXPECT_TRUE(TakeStatements().isEmpty());
  EXPECT_TRUE(Database->InTransaction());
  Database->CommitTransaction();
  EXPECT_FALSE(Database->InTransaction());
}

TEST_F(TLayer, DoubleQuotedTextIsALiteral) {
  Raw("CREATE TABLE t (Name VARCHAR(50))");
  Database->Execute("INSERT INTO t VALUES (\"Name\")");
  const auto table = Database->Query("SELECT Name FROM t WHERE Name=\"Name\"");
  ASSERT_EQ(table->RowCount(), 1);
  EXPECT_EQ(table->CellText(0), "Name");
}

TEST_F(TLayer, TextOfTheEarlier8BitVersionReadsAsWindows1252) {
  Raw("CREATE TABLE t (Name VARCHAR(50))");
  Raw("INSERT INTO t VALUES ('M\xFC"
      "ller \x80 \xF1')");
  Raw("INSERT INTO t VALUES ('Müller € ñ')");
  const auto table = Database->Query("SELECT Name FROM t");
  EXPECT_EQ(table->CellText(0), QString::fromUtf8("Müller € ñ"));
  table->MoveNext();
  EXPECT_EQ(table->CellText(0), QString::fromUtf8("Müller € ñ"));
}

TEST(SQLiteLayer, AFileThatIsNoDatabaseRaisesAndStaysAsItWas) {
  QTemporaryDir folder;
  const QString path = folder.filePath("Tessaryn.dbs");
  QByteArray bytes(4096, 'x');
  bytes.replace(0, 12, "not sqlite!!");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  {
    TSQLiteDatabase db(path);
    const QString message = ErrorOf([&] { db.HasTable("tab_setup"); });
    EXPECT_TRUE(message.contains("Error [26]: File opened that is not a database file."))
        << message.toStdString();
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), bytes);
}

TEST_F(TLayer, ALockThatOutlastsTheBusyTimeoutFails) {
  Raw("CREATE TABLE t (x INTEGER)");
  Database->SetBusyTimeout(100);
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(FilePath().toUtf8().constData(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  EXPECT_EQ(ErrorOf([&] { Database->Query("SELECT x FROM t"); }),
            "Could not prepare SQL statement");
  const QString write = ErrorOf([&] { Database->Execute("INSERT INTO t VALUES (1)"); });
  EXPECT_TRUE(
      write.startsWith("Error executing SQL statement.\rError [5]: The database file is locked."))
      << write.toStdString();
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  Database->Execute("INSERT INTO t VALUES (1)");
  EXPECT_EQ(Database->Query("SELECT x FROM t")->RowCount(), 1);
}

TEST_F(TLayer, ABriefWriteLockElsewhereIsWaitedOut) {
  Raw("CREATE TABLE t (x INTEGER)");
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(FilePath().toUtf8().constData(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  std::thread holder([other] {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
  });
  EXPECT_EQ(ErrorOf([&] { Database->Execute("INSERT INTO t VALUES (1)"); }), "(no error)");
  holder.join();
  sqlite3_close(other);
  EXPECT_EQ(Database->Query("SELECT x FROM t")->RowCount(), 1);
}
