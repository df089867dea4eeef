// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/DatabaseFixture.h"

#include <sqlite3.h>

#include "persistence/PendingResults.h"

void TDatabaseFixture::SetUp() {
  // Results waiting from another test's run stay out of this one.
  SetPendingResultsFile(QString());
  ForgetPendingResultsInMemory();
  Database = std::make_unique<TSQLiteDatabase>(FilePath());
  Database->OnStatement = [this](const QString& sql) { Statements.append(sql); };
  SetupData = std::make_unique<TSetupDaten>();
  PlayerData = std::make_unique<TSpielerDaten>();
  SetErrorReporter([this](const QString& message) { Errors.append(message); });
}

void TDatabaseFixture::TearDown() {
  SetErrorReporter(nullptr);
  SetPendingResultsFile(QString());
  ForgetPendingResultsInMemory();
  PlayerData.reset();
  SetupData.reset();
  Database.reset();
}

void TDatabaseFixture::Raw(const char* sql) {
  char* error = nullptr;
  ASSERT_EQ(sqlite3_exec(Database->Handle(), sql, nullptr, nullptr, &error), SQLITE_OK)
      << (error ? error : "");
}

QStringList TDatabaseFixture::TakeStatements() {
  QStringList taken;
  taken.swap(Statements);
  return taken;
}

QString ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ESQLiteException& error) {
    return error.Message();
  }
  return "(no error)";
}

TLockedElsewhere::TLockedElsewhere(const QString& file) {
  EXPECT_EQ(sqlite3_open(file.toUtf8().constData(), &Other), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(Other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
}

TLockedElsewhere::~TLockedElsewhere() {
  sqlite3_exec(Other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(Other);
}
