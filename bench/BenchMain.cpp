// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the benchmarks, then prints each measured routine against its baseline.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/TessarynApplication.h"

namespace {

// Every benchmark runs in at least seven repetitions, interleaved at random with
// those of the others, so a figure and its baseline meet the same load. Each
// line prints medians of the CPU time per iteration: the wall time of a loaded
// machine says more about the other programs than about this one.
class TMedianReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (!run.error_occurred && run.run_type == Run::RT_Iteration && run.iterations > 0)
        CpuTimes[NameOf(run)].push_back(run.cpu_accumulated_time / double(run.iterations));
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintTime(const std::string& name, double goalMs) {
    if (!Has(name)) return;
    const double ms = Median(name) * 1e3;
    std::printf("%-32s %8.3f ms CPU, median of %zu (goal under %.0f ms: %s)\n", name.c_str(), ms,
                CpuTimes[name].size(), goalMs, ms < goalMs ? "met" : "MISSED");
  }

  void PrintRatio(const std::string& measured, const std::string& baseline, double goal) {
    if (!Has(measured) || !Has(baseline)) return;
    const double a = Median(measured), b = Median(baseline);
    const double ratio = a / b;
    std::printf("%-32s %8.3f ms against %-26s %8.3f ms: %5.2f x (goal at most %.1f x: %s)\n",
                measured.c_str(), a * 1e3, baseline.c_str(), b * 1e3, ratio, goal,
                ratio <= goal ? "met" : "MISSED");
  }

 private:
  // The name without the repetitions' suffix.
  static std::string NameOf(const Run& run) {
    std::string name = run.benchmark_name();
    if (const auto at = name.find("/repeats:"); at != std::string::npos) name.erase(at);
    return name;
  }
  bool Has(const std::string& name) const { return CpuTimes.count(name) > 0; }
  double Median(const std::string& name) {
    std::vector<double> times = CpuTimes[name];
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  }

  std::map<std::string, std::vector<double>> CpuTimes;  // seconds per iteration, per repetition
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  LoadProgramFonts();
  // Seven repetitions, interleaved, unless the command line asks otherwise.
  std::vector<char*> args(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=7";
  std::string interleaving = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, {repetitions.data(), interleaving.data()});
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  TMedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  reporter.PrintRatio("BM_BlendBitmaps", "BM_Memcpy", 3.0);
  reporter.PrintRatio("BM_LoadJpgResource", "BM_BareJpegDecode", 1.2);
  reporter.PrintTime("BM_IntroTick", 2.0);
  reporter.PrintTime("BM_BuildBoard", 80.0);
  reporter.PrintTime("BM_AdvanceTarget", 10.0);
  reporter.PrintRatio("BM_RankOfResult/100000", "BM_BareRankCount/100000", 2.0);
  reporter.PrintRatio("BM_RankOfResult/100000", "BM_RankOfResult/1000", 3.0);
  reporter.PrintRatio("BM_OpenHighscoreList/100000", "BM_OpenHighscoreList/1000", 3.0);
  benchmark::Shutdown();
  return 0;
}
