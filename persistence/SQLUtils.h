// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "persistence/SQLiteTable3.h"

class TSetupDaten;

// The statements of the schema, the settings and the results. All of them work
// on the globals Database, SetupData and PlayerData.

// Lines joined so that every one, the last included, ends with CR LF.
QString JoinLines(const QStringList& lines);
// A text value in double quotes, inner double quotes doubled.
QString QuoteText(const QString& value);

// Creates the missing tables and the index by play time; false (after a German
// error box) when a table could not be made.
bool CreateTables();
// Before a write: when the file at the database path is no longer the one the
// connection has open (deleted, moved, replaced), opens the path again, making
// the folder, the file and the tables as at start-up. Raises when the path
// cannot be opened (a folder in the file's place); the next call tries again.
void FollowDatabaseFile();
// Runs the work in a write transaction of its own (BEGIN IMMEDIATE), rolled back
// when it fails.
void RunWriteTransaction(const std::function<void()>& work);
// "SR00000042": one more than the largest number in use, or "" when the table is missing.
QString NextRecordId(const QString& prefix, const QString& table, const QString& column);
QString FormatRecordId(const QString& prefix, const QString& number);

bool LoadSetup();
bool SaveSetup();
// Writes the wanted settings; SetupData takes them only once they are stored,
// so a failed write (read-only file, full disk) leaves it as it was.
bool SaveSetupAs(const TSetupDaten& wanted);
bool FirstRunDone();
bool MarkFirstRun();

// "hh:nn:ss" with colons; hours go on past 24.
QString FormatPlayTime(std::chrono::seconds playTime);
// "hh:nn:ss" (hours may have more digits) back to a duration; nothing when the
// text is no such time.
std::optional<std::chrono::seconds> ParsePlayTime(const QString& text);

// The statement that stores one result under the identifier.
QString InsertResultStatement(const QString& id, const QString& name, const QDate& datum,
                              std::chrono::seconds spielzeit);
bool InsertResult(QString& id);
bool ReadPlayerNames(QStringList& names);
std::unique_ptr<TSQLiteTable> QueryHighscoreList();
// The number of stored results; 0 when the table is missing.
int CountResults();
// count rows of the high-score list from the 0-based position first on, in the
// order of QueryHighscoreList.
std::unique_ptr<TSQLiteTable> QueryHighscoreRows(int first, int count);
// The 1-based position of the result in the high-score list; the number of rows
// for an identifier that is not stored, 0 when the table is missing.
int RankOfResult(const QString& id);
bool ClearResults();
