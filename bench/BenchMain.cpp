// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the benchmarks, then prints each measured routine against its baseline.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <map>
#include <string>

#include "app/TessarynApplication.h"

namespace {

class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (!run.error_occurred && run.run_type == Run::RT_Iteration && run.iterations > 0)
        Times[run.benchmark_name()] = run.real_accumulated_time / double(run.iterations);
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintTime(const std::string& name, double goalMs) {
    if (!Times.count(name)) return;
    const double ms = Times[name] * 1e3;
    std::printf("%-28s %6.2f ms (goal under %.0f ms: %s)\n", name.c_str(), ms, goalMs,
                ms < goalMs ? "met" : "MISSED");
  }

  // How the time grows from the small to the large case, against a goal in milliseconds.
  void PrintGrowth(const std::string& name, const std::string& small, const std::string& large,
                   double goalMs) {
    const std::string a = name + "/" + small, b = name + "/" + large;
    if (!Times.count(a) || !Times.count(b)) return;
    const double ms = Times[b] * 1e3;
    std::printf("%-28s %6.2f x from %s to %s results; %.1f ms at %s (goal under %.0f ms: %s)\n",
                name.c_str(), Times[b] / Times[a], small.c_str(), large.c_str(), ms, large.c_str(),
                goalMs, ms < goalMs ? "met" : "MISSED");
  }

  void PrintRatio(const char* measured, const char* baseline, double goal) {
    if (!Times.count(measured) || !Times.count(baseline)) return;
    const double ratio = Times[measured] / Times[baseline];
    std::printf("%-28s %6.2f x %-24s (goal at most %.1f x: %s)\n", measured, ratio, baseline, goal,
                ratio <= goal ? "met" : "MISSED");
  }

 private:
  std::map<std::string, double> Times;  // seconds per iteration
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  LoadProgramFonts();
  benchmark::Initialize(&argc, argv);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  reporter.PrintRatio("BM_BlendBitmaps", "BM_Memcpy", 3.0);
  reporter.PrintRatio("BM_LoadJpgResource", "BM_BareJpegDecode", 1.2);
  reporter.PrintTime("BM_IntroTick", 2.0);
  reporter.PrintTime("BM_BuildBoard", 80.0);
  reporter.PrintTime("BM_AdvanceTarget", 10.0);
  reporter.PrintGrowth("BM_RankOfResult", "1000", "10000", 50.0);
  reporter.PrintGrowth("BM_QueryHighscoreList", "1000", "10000", 50.0);
  benchmark::Shutdown();
  return 0;
}
