// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "game/PlayClock.h"
#include "persistence/SQLUtils.h"

TEST(PlayClock, TicksCarryIntoMinutesHoursAndPastADay) {
  struct TCase {
    int H, M, S;
    QString After;
  };
  const TCase cases[] = {{0, 0, 0, "00:00:01"},    {0, 0, 59, "00:01:00"},  {0, 59, 59, "01:00:00"},
                         {23, 59, 59, "24:00:00"}, {25, 13, 6, "25:13:07"}, {0, 5, 8, "00:05:09"}};
  for (const TCase& c : cases) {
    TPlayClock clock;
    clock.Hours = c.H, clock.Minutes = c.M, clock.Seconds = c.S;
    EXPECT_EQ(clock.TickClock(), c.After);
    EXPECT_EQ(clock.PlayTimeText, c.After);
  }
  TPlayClock clock;
  for (int i = 0; i < 3600; ++i) clock.TickClock();
  EXPECT_EQ(clock.PlayTimeText, "01:00:00");
  EXPECT_EQ(clock.Minutes, 0);
  EXPECT_EQ(clock.ResetClock(), "00:00:00");
  EXPECT_EQ(clock.PlayTimeText, "01:00:00") << "the last shown time stays the play time";
}

TEST(PlayClock, ThePlayTimeTextParsesBack) {
  EXPECT_EQ(ParsePlayTime("00:05:09"), std::chrono::seconds(309));
  EXPECT_EQ(ParsePlayTime("25:13:07"), std::chrono::seconds(25 * 3600 + 13 * 60 + 7));
  for (const char* bad : {"", "0:5:9", "00:60:00", "00.05.09", "12:34", "aa:bb:cc"})
    EXPECT_FALSE(ParsePlayTime(bad).has_value()) << bad;
}
