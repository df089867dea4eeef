// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include "persistence/VarUnit.h"

struct sqlite3;

// A fresh database file in a temporary folder as the program's Database, fresh
// SetupData and PlayerData, and recorders for the statements and error messages.
class TDatabaseFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  QString FilePath() const { return Folder.filePath("Tessaryn.dbs"); }
  // Runs a statement outside the layer, straight through SQLite.
  void Raw(const char* sql);
  // Statements the layer sent since the last call.
  QStringList TakeStatements();

  QTemporaryDir Folder;
  QStringList Statements;
  QStringList Errors;
};

// The text of the database error the action raises, or "(no error)".
QString ErrorOf(const std::function<void()>& action);

// Another connection that holds the file's exclusive lock while it lives, as a
// backup tool might: the program's statements fail once their busy timeout ends.
class TLockedElsewhere {
 public:
  explicit TLockedElsewhere(const QString& file);
  ~TLockedElsewhere();
  TLockedElsewhere(const TLockedElsewhere&) = delete;
  TLockedElsewhere& operator=(const TLockedElsewhere&) = delete;

 private:
  sqlite3* Other = nullptr;
};
