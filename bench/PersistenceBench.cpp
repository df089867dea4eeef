// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>
#include <stdexcept>

#include <QTemporaryDir>

#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"

namespace {

// A database with the given number of results; the newest has the longest
// play time, so finding its rank walks the whole list.
struct TResultsDatabase {
  QTemporaryDir Folder;
  QString LastId;

  explicit TResultsDatabase(int results) {
    Database = std::make_unique<TSQLiteDatabase>(Folder.filePath("Tessaryn.dbs"));
    if (!CreateTables()) throw std::runtime_error("the tables could not be made");
    Database->StartTransaction();
    for (int i = 1; i <= results; ++i) {
      LastId = FormatRecordId("SR", QString::number(i));
      const int seconds = i == results ? 359999 : (i * 7919) % 86400;
      Database->Execute(QStringLiteral("INSERT INTO tab_spieler VALUES (\"%1\", \"Spieler %2\", "
                                       "\"2026-12-10\", \"%3\")")
                            .arg(LastId)
                            .arg(i % 37)
                            .arg(FormatPlayTime(std::chrono::seconds(seconds))));
    }
    Database->CommitTransaction();
  }
  ~TResultsDatabase() { Database.reset(); }
};

void BM_RankOfResult(benchmark::State& state) {
  TResultsDatabase db(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(RankOfResult(db.LastId));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RankOfResult)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_QueryHighscoreList(benchmark::State& state) {
  TResultsDatabase db(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const auto list = QueryHighscoreList();
    int rows = 0;
    for (; !list->AtEnd(); list->MoveNext()) {
      for (const char* column : {"Spieler_ID", "Name", "Datum", "Spielzeit"})
        benchmark::DoNotOptimize(list->CellText(list->ColumnIndex(QString::fromLatin1(column))));
      ++rows;
    }
    benchmark::DoNotOptimize(rows);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_QueryHighscoreList)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace
