// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PlayClock.h"

#include "persistence/SQLUtils.h"

QString TPlayClock::ResetClock() {
  Hours = Minutes = Seconds = 0;
  return FormatPlayTime(std::chrono::seconds(0));
}

QString TPlayClock::TickClock() {
  if (Seconds < 59) {
    ++Seconds;
  } else {
    Seconds = 0;
    if (Minutes < 59) {
      ++Minutes;
    } else {
      Minutes = 0;
      ++Hours;
    }
  }
  PlayTimeText = FormatPlayTime(std::chrono::seconds(Hours * 3600 + Minutes * 60 + Seconds));
  return PlayTimeText;
}
