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
// on the globals Database, SetupData and PlayerData.

// Lines joined so that every one, the last included, ends with CR LF.
QString JoinLines(const QStringList& lines);
// A text value in double quotes, inner double quotes doubled.
QString QuoteText(const QString& value);

// Creates the missing tables; false (after a German error box) when one could not be made.
bool CreateTables();
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

bool InsertResult(QString& id);
bool ReadPlayerNames(QStringList& names);
std::unique_ptr<TSQLiteTable> QueryHighscoreList();
int RankOfResult(const QString& id);
bool ClearResults();
