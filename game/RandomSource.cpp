// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/RandomSource.h"

#include <chrono>
#include <cstdint>

TClockSeededRandom::TClockSeededRandom() { SeedFromClock(); }

void TClockSeededRandom::SeedFromClock() {
  // The clocks alone barely change between two shuffles, so back-to-back deals
  // would repeat; the system's entropy source makes every seed new.
  std::random_device entropy;
  const auto clock =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                 std::chrono::system_clock::now().time_since_epoch().count());
  std::seed_seq seed{entropy(),
                     entropy(),
                     entropy(),
                     entropy(),
                     static_cast<std::uint32_t>(clock),
                     static_cast<std::uint32_t>(clock >> 32)};
  Generator.seed(seed);
}

int TClockSeededRandom::DrawPhoto() { return std::uniform_int_distribution<int>(1, 25)(Generator); }
