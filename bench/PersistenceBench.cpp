// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>
#include <stdexcept>

#include <QApplication>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include "dialogs/Unit_DLG_Highscore.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"

namespace {

// A database file with the given number of results, made once per size for the
// whole run; the newest has the longest play time, so its rank counts every row.
struct TResultsFile {
  QTemporaryDir Folder;
  QString Path;
  QString LastId;
  QString LastTime;

  explicit TResultsFile(int results) : Path(Folder.filePath("Tessaryn.dbs")) {
    Database = std::make_unique<TSQLiteDatabase>(Path);
    if (!CreateTables()) throw std::runtime_error("the tables could not be made");
    Database->StartTransaction();
    for (int i = 1; i <= results; ++i) {
      LastId = FormatRecordId("SR", QString::number(i));
      const int seconds = i == results ? 359999 : (i * 7919) % 86400;
      LastTime = FormatPlayTime(std::chrono::seconds(seconds));
      Database->Execute(QStringLiteral("INSERT INTO tab_spieler VALUES (\"%1\", \"Spieler %2\", "
                                       "\"2026-12-10\", \"%3\")")
                            .arg(LastId)
                            .arg(i % 37)
                            .arg(LastTime));
    }
    Database->CommitTransaction();
    Database.reset();
  }
};

// The program's connection on the file of that size while it lives.
struct TOpenResults {
  const TResultsFile& File;
  explicit TOpenResults(int results) : File(FileOf(results)) {
    Database = std::make_unique<TSQLiteDatabase>(File.Path);
    SetupData = std::make_unique<TSetupDaten>();
  }
  ~TOpenResults() { Database.reset(); }
  static const TResultsFile& FileOf(int results) {
    static std::map<int, std::unique_ptr<TResultsFile>> files;
    auto& file = files[results];
    if (!file) file = std::make_unique<TResultsFile>(results);
    return *file;
  }
};

void BM_RankOfResult(benchmark::State& state) {
  TOpenResults db(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(RankOfResult(db.File.LastId));
}
BENCHMARK(BM_RankOfResult)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The least a rank can cost: one count of the shorter play times over the index.
void BM_BareRankCount(benchmark::State& state) {
  TOpenResults db(static_cast<int>(state.range(0)));
  const QString sql = QStringLiteral("SELECT COUNT(*)+1 FROM tab_spieler WHERE Spielzeit < ") +
                      QuoteText(db.File.LastTime);
  for (auto _ : state) benchmark::DoNotOptimize(Database->Query(sql)->CellText(0));
}
BENCHMARK(BM_BareRankCount)->Arg(100000)->Unit(benchmark::kMillisecond);

// The high-score dialog made, shown and painted, as F3 opens it.
void BM_OpenHighscoreList(benchmark::State& state) {
  TOpenResults db(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TDLG_Highscore dialog(nullptr);
    dialog.show();
    dialog.repaint();
    QApplication::processEvents();
    benchmark::DoNotOptimize(dialog.StringGrid_Highscore.RowCount());
  }
}
BENCHMARK(BM_OpenHighscoreList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
