// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <random>

// The game's random numbers: photo numbers 1 … 25. An interface, so that tests
// can deal a known board.
class TRandomSource {
 public:
  virtual ~TRandomSource() = default;
  // Seeds the generator anew (the program does it at start-up and before every
  // shuffle); the program mixes the system's entropy with the clock.
  virtual void SeedFromClock() = 0;
  // A uniform draw from 1 … 25.
  virtual int DrawPhoto() = 0;
};

class TClockSeededRandom : public TRandomSource {
 public:
  TClockSeededRandom();
  void SeedFromClock() override;
  int DrawPhoto() override;

 private:
  std::mt19937 Generator;
};
