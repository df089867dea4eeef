// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <QWidget>

#include "game/GameRules.h"
#include "game/PhotoCarousel.h"
#include "game/RandomSource.h"

namespace {

class TQuietHost : public TGameHost {
 public:
  void ShowPlaying(bool) override {}
  void PlaySnap() override {}
  void PlayShot() override {}
  void PlayFinale() override {}
  void PlayMusic() override {}
  void StopAllSounds() override {}
  void ResetClock() override {}
  void SetClockRunning(bool) override {}
  void DrawBackground() override {}
  void RecordResult() override {}
};

// The play area of a 1920 x 1080 screen.
struct TBenchGame {
  QWidget PlayArea;
  TQuietHost Host;
  TPhotoCarousel Carousel;
  TClockSeededRandom Random;
  TGame Game{Host, Carousel, Random, &PlayArea};
  TBenchGame() {
    PlayArea.resize(1920, 1039);
    QImage background(1920, 1039, QImage::Format_RGB32);
    background.fill(Qt::black);
    Carousel.BuildCarouselFrame(background);
    Game.ShuffleTargets();
  }
};

// 25 photo decodes and stretches to 199 x 199.
void BM_BuildBoard(benchmark::State& state) {
  TBenchGame bench;
  for (auto _ : state) bench.Game.BuildBoard();
}
BENCHMARK(BM_BuildBoard)->Unit(benchmark::kMillisecond);

// Three decodes and three halftone stretches.
void BM_AdvanceTarget(benchmark::State& state) {
  TBenchGame bench;
  for (auto _ : state) {
    if (bench.Game.TargetIndex >= 25) bench.Game.TargetIndex = 0;
    bench.Carousel.AdvanceTarget(bench.Game.TargetIndex, bench.Game.TargetSequence);
  }
}
BENCHMARK(BM_AdvanceTarget)->Unit(benchmark::kMillisecond);

// A tile's paint: one copy of its prepared 199 x 199 picture.
void BM_TilePaint(benchmark::State& state) {
  TBenchGame bench;
  bench.Game.BuildBoard();
  TPuzzleMemo& tile = *bench.Game.Tiles[1];
  QImage target(tile.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    tile.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_TilePaint)->Unit(benchmark::kMicrosecond);

}  // namespace
