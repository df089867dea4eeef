// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "persistence/VarUnit.h"

std::unique_ptr<TSQLiteDatabase> Database;
std::unique_ptr<TSetupDaten> SetupData;
std::unique_ptr<TSpielerDaten> PlayerData;
QString SettingsDir;
QString DataDir;
QString DatabaseFile;

namespace {
TErrorReporter Reporter;
}

void SetErrorReporter(TErrorReporter reporter) { Reporter = std::move(reporter); }

void ReportError(const QString& message) {
  if (Reporter) Reporter(message);
}
