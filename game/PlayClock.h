// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <chrono>

// The play clock: whole seconds counted by the one-second timer, shown as
// hh:nn:ss. The text always uses colons, and from 24:00:00 on the hours go on
// counting (25:13:07), so a long game still has a play time.
class TPlayClock {
 public:
  int Hours = 0;
  int Minutes = 0;
  int Seconds = 0;
  QString PlayTimeText;  // the text the last tick showed; empty until then

  // Zero; answers the text to show, "00:00:00". PlayTimeText stays.
  QString ResetClock();
  // One second on; answers the new text, which is also kept as PlayTimeText.
  QString TickClock();
};
