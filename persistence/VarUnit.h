// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

#include "persistence/SQLiteTable3.h"

// The settings: sound effects, music, output volume 0 … 100, language 0 … 2.
class TSetupDaten {
 public:
  bool Sound = true;
  bool Music = true;
  int Volume = 50;
  int Lang = 0;
};

// The current player's game, from the new game dialog to the stored result.
class TSpielerDaten {
 public:
  QString Spieler_ID;
  QString Name;  // exactly as typed, blanks included
  QDate Datum;
  std::chrono::seconds Spielzeit{0};
};

// The program-wide objects: the one connection, the settings, the current
// player (none between games) and the folders of start-up.
extern std::unique_ptr<TSQLiteDatabase> Database;
extern std::unique_ptr<TSetupDaten> SetupData;
extern std::unique_ptr<TSpielerDaten> PlayerData;
extern QString SettingsDir;   // "Tessaryn Puzzle" in the application-data folder
extern QString DataDir;       // "Tessaryn Puzzle" in the documents folder
extern QString DatabaseFile;  // "Tessaryn.dbs" in DataDir

// Where the persistence code's own German error messages go: the program
// connects its error box, tests a recorder. Without a reporter they are dropped.
using TErrorReporter = std::function<void(const QString& message)>;
void SetErrorReporter(TErrorReporter reporter);
void ReportError(const QString& message);
