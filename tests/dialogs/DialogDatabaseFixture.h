// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QLocale>
#include <QTemporaryDir>
#include <chrono>

#include "localization/Unit_Language.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"
#include "tests/MessageBoxRecorder.h"

// Dates written the German way while it lives, as on the designers' desktop.
struct TGermanDates {
  TGermanDates() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  ~TGermanDates() { QLocale::setDefault(Saved); }
  QLocale Saved;
};

// For the dialog tests: a fresh database with the program's tables as Database,
// fresh SetupData, no PlayerData, German texts and a recorder for message boxes.
class TDialogDatabaseFixture : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Folder.isValid());
    Database = std::make_unique<TSQLiteDatabase>(Folder.filePath("Tessaryn.dbs"));
    SetupData = std::make_unique<TSetupDaten>();
    PlayerData.reset();
    ASSERT_TRUE(CreateTables());
    ApplyLanguage(LangGerman);
  }
  void TearDown() override {
    ApplyLanguage(LangGerman);
    PlayerData.reset();
    SetupData.reset();
    Database.reset();
  }

  // Runs a statement straight through SQLite.
  void Raw(const char* sql) {
    char* error = nullptr;
    ASSERT_EQ(sqlite3_exec(Database->Handle(), sql, nullptr, nullptr, &error), SQLITE_OK)
        << (error ? error : "");
  }
  // Stores a result through the program's own statement; answers its identifier.
  QString AddResult(const QString& name, QDate date, int seconds) {
    auto keep = std::move(PlayerData);
    PlayerData = std::make_unique<TSpielerDaten>();
    PlayerData->Name = name;
    PlayerData->Datum = date;
    PlayerData->Spielzeit = std::chrono::seconds(seconds);
    QString id;
    EXPECT_TRUE(InsertResult(id));
    PlayerData = std::move(keep);
    return id;
  }

  QTemporaryDir Folder;
  TMessageBoxRecorder Boxes;
};
