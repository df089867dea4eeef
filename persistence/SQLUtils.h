// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <chrono>
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

// Creates the missing tables; false (after a German error box) when one could not be made.
[[nodiscard]] bool CreateTables();
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

[[nodiscard]] bool InsertResult(QString& id);
bool ReadPlayerNames(QStringList& names);
[[nodiscard]] std::unique_ptr<TSQLiteTable> QueryHighscoreList();
[[nodiscard]] int RankOfResult(const QString& id);
// Deletes every result; without a results table there is nothing to delete.
void ClearResults();
