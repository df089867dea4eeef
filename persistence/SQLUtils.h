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
// on the globals Database, SetupData and PlayerData. A statement that fails
// raises ESQLiteException; the functions that answer something answer only that.

// Lines joined so that every one, the last included, ends with CR LF.
[[nodiscard]] QString JoinLines(const QStringList& lines);
// A text value in double quotes, inner double quotes doubled.
[[nodiscard]] QString QuoteText(const QString& value);

// Creates the missing tables and the index by play time; false (after a German
// error box) when a table could not be made.
[[nodiscard]] bool CreateTables();
// Before a write: when the file at the database path is no longer the one the
// connection has open (deleted, moved, replaced), opens the path again, making
// the folder, the file and the tables as at start-up. Raises when the path
// cannot be opened (a folder in the file's place); the next call tries again.
void FollowDatabaseFile();
// Runs the work in a write transaction of its own (BEGIN IMMEDIATE), rolled back
// when it fails.
void RunWriteTransaction(const std::function<void()>& work);
// "SR00000042": one more than the largest number in use, or "" when the table is missing.
[[nodiscard]] QString NextRecordId(const QString& prefix, const QString& table,
                                   const QString& column);
[[nodiscard]] QString FormatRecordId(const QString& prefix, const QString& number);

// Reads the stored settings into SetupData; without a settings table (nothing
// stored yet) the defaults stay.
void LoadSetup();
// Stores SetupData; raises when it could not (no settings table, a refused write).
void SaveSetup();
// Writes the wanted settings; SetupData takes them only once they are stored,
// so a failed write (read-only file, full disk) raises and leaves it as it was.
void SaveSetupAs(const TSetupDaten& wanted);
// Whether the first start's question has been answered.
[[nodiscard]] bool FirstRunDone();
void MarkFirstRun();

// "hh:nn:ss" with colons; hours go on past 24.
[[nodiscard]] QString FormatPlayTime(std::chrono::seconds playTime);
// "hh:nn:ss" (hours may have more digits) back to a duration; nothing when the
// text is no such time.
[[nodiscard]] std::optional<std::chrono::seconds> ParsePlayTime(const QString& text);

// The statement that stores one result under the identifier.
[[nodiscard]] QString InsertResultStatement(const QString& id, const QString& name,
                                            const QDate& datum, std::chrono::seconds spielzeit);
[[nodiscard]] bool InsertResult(QString& id);
bool ReadPlayerNames(QStringList& names);
[[nodiscard]] std::unique_ptr<TSQLiteTable> QueryHighscoreList();
// The number of stored results; 0 when the table is missing.
[[nodiscard]] int CountResults();
// count rows of the high-score list from the 0-based position first on, in the
// order of QueryHighscoreList.
[[nodiscard]] std::unique_ptr<TSQLiteTable> QueryHighscoreRows(int first, int count);
// The 1-based position of the result in the high-score list; the number of rows
// for an identifier that is not stored, 0 when the table is missing.
[[nodiscard]] int RankOfResult(const QString& id);
// Deletes every result; without a results table there is nothing to delete.
void ClearResults();
