#include "game/RandomSource.h"

#include <chrono>

TClockSeededRandom::TClockSeededRandom() { SeedFromClock(); }

void TClockSeededRandom::SeedFromClock() {
  Generator.seed(static_cast<std::mt19937::result_type>(
      std::chrono::steady_clock::now().time_since_epoch().count() ^
      std::chrono::system_clock::now().time_since_epoch().count()));
}

int TClockSeededRandom::DrawPhoto() { return std::uniform_int_distribution<int>(1, 25)(Generator); }
