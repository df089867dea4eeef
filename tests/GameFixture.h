// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QWidget>
#include <random>

#include "game/GameHost.h"
#include "game/GameRules.h"
#include "game/PhotoCarousel.h"
#include "game/RandomSource.h"

// A generator that deals the same game every time: reseeding from the "clock"
// restarts its fixed seed.
class TFixedRandom : public TRandomSource {
 public:
  explicit TFixedRandom(unsigned seed = 1) : Seed(seed), Generator(seed) {}
  void SeedFromClock() override { Generator.seed(Seed); }
  int DrawPhoto() override { return std::uniform_int_distribution<int>(1, 25)(Generator); }

 private:
  unsigned Seed;
  std::mt19937 Generator;
};

// Records what the rules ask of the window, one word per call.
class TRecordingHost : public TGameHost {
 public:
  QStringList Calls;
  bool ClockRunning = false;

  void ShowPlaying(bool playing) override { Calls << (playing ? "playing" : "idle"); }
  void PlaySnap() override { Calls << "snap"; }
  void PlayShot() override { Calls << "shot"; }
  void PlayFinale() override { Calls << "finale"; }
  void PlayMusic() override { Calls << "music"; }
  void StopAllSounds() override { Calls << "stop sounds"; }
  void ResetClock() override { Calls << "reset clock"; }
  void SetClockRunning(bool running) override { ClockRunning = running; }
  void DrawBackground() override { Calls << "background"; }
  void RecordResult() override { Calls << "record"; }
  QStringList Take() {
    QStringList taken;
    taken.swap(Calls);
    return taken;
  }
};

// A game on a 1024 x 727 play area that is never shown: the rules without drawing.
struct TGameFixture {
  QWidget PlayArea;
  TRecordingHost Host;
  TPhotoCarousel Carousel;
  TFixedRandom Random;
  TGame Game{Host, Carousel, Random, &PlayArea};

  explicit TGameFixture(QSize area = {1024, 727}) {
    PlayArea.resize(area);
    QImage background(area, QImage::Format_RGB32);
    background.fill(Qt::darkGray);
    Carousel.BuildCarouselFrame(background);
  }
  TPuzzleMemo* TileOf(int photo) { return Game.Tiles[static_cast<size_t>(photo)].data(); }
  TPuzzleMemo* CurrentTarget() {
    return TileOf(Game.TargetSequence[static_cast<size_t>(Game.TargetIndex)]);
  }
};
