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
      if (!run.error_occurred) Times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatio(const char* measured, const char* baseline, double goal) {
    if (!Times.count(measured) || !Times.count(baseline)) return;
    const double ratio = Times[measured] / Times[baseline];
    std::printf("%-28s %6.2f x %-24s (goal at most %.1f x: %s)\n", measured, ratio, baseline, goal,
                ratio <= goal ? "met" : "MISSED");
  }

 private:
  std::map<std::string, double> Times;
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
  benchmark::Shutdown();
  return 0;
}
