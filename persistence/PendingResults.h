// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>
#include <chrono>
#include <vector>

class TSpielerDaten;

// Results the database refused (a lock held too long, a read-only or full disk,
// a folder in the file's place) wait here until a later write can store them.
// They are kept in memory and in a small file of the player's own (written
// whole and renamed into place, mode 0600), so they survive a quit and a kill.
// Each carries a key that is stored with it in the same transaction: a result
// whose key the database already holds is never stored a second time, even when
// the program died between the commit and the rewrite of the file.
struct TPendingResult {
  QString Key;
  QString Name;
  QDate Datum;
  std::chrono::seconds Spielzeit{0};
};

// "$XDG_STATE_HOME/tessaryn-puzzle/pending-results" ("~/.local/state" when the
// variable is unset or not absolute); empty without a home folder.
QString DefaultPendingResultsFile();
// Where the results wait; empty keeps them in memory only. Start-up sets it.
void SetPendingResultsFile(const QString& path);

// Keeps the player's result; false when only memory holds it (the file could not
// be written).
bool KeepPendingResult(const TSpielerDaten& player);
// Every result still waiting: those of this run and those in the file.
std::vector<TPendingResult> PendingResults();
// Stores every waiting result it can, in the order they were kept, each in a
// write transaction of its own; answers how many it stored. A refused one stays
// waiting, and so do those after it. Raises nothing.
int StorePendingResults();
// Forgets the results of this run that memory holds (tests; a new start).
void ForgetPendingResultsInMemory();
