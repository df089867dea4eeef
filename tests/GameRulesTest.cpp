// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "tests/GameFixture.h"

namespace {

std::array<int, 3> Photos(std::initializer_list<int> numbers) {
  std::array<int, 3> result{};
  std::copy(numbers.begin(), numbers.end(), result.begin());
  return result;
}

}  // namespace

TEST(ShuffleTargets, AlwaysAPermutation) {
  for (unsigned seed : {1u, 2u, 3u, 7u, 42u, 1000u, 65535u, 123456789u}) {
    TGameFixture f;
    f.Random = TFixedRandom(seed);
    f.Game.ShuffleTargets();
    EXPECT_EQ(f.Game.TargetSequence[0], 0);
    std::array<int, 25> sorted;
    std::copy(f.Game.TargetSequence.begin() + 1, f.Game.TargetSequence.end(), sorted.begin());
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 25; ++i)
      EXPECT_EQ(sorted[static_cast<size_t>(i)], i + 1) << "seed " << seed;
  }
}

TEST(BoardGeometry, SizesAndCells) {
  struct TCase {
    QSize Area;
    int Side, T, X0;
  };
  const TCase cases[] = {{{1024, 727}, 604, 120, 395},
                         {{1920, 1039}, 999, 199, 896},
                         {{1000, 2000}, 580, 116, 395},
                         {{1280, 983}, 860, 172, 395}};
  for (const TCase& c : cases) {
    const TBoardGeometry g = BoardGeometry(c.Area);
    EXPECT_EQ(g.Side, c.Side);
    EXPECT_EQ(g.T, c.T);
    EXPECT_EQ(g.X0, c.X0);
  }
  const TBoardGeometry g = BoardGeometry({1024, 727});
  const int columns[] = {395, 519, 643, 767, 891}, rows[] = {10, 134, 258, 382, 506};
  for (int cell = 0; cell < 25; ++cell)
    EXPECT_EQ(g.Cell(cell), QPoint(columns[cell % 5], rows[cell / 5])) << cell;
}

TEST(GameRules, ABoardIsDealtIntoEveryCellOnce) {
  TGameFixture f;
  f.Game.StartNewGame();
  EXPECT_TRUE(f.Game.Playing);
  EXPECT_EQ(f.Game.TargetIndex, 1);
  EXPECT_TRUE(f.Host.ClockRunning);
  EXPECT_EQ(f.Host.Take(), (QStringList{"reset clock", "music", "playing"}));
  std::set<std::pair<int, int>> cells;
  for (int k = 1; k <= 25; ++k) {
    TPuzzleMemo* tile = f.TileOf(k);
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->Tag, k);
    EXPECT_EQ(tile->size(), QSize(120, 120));
    EXPECT_FALSE(tile->ShowMemo || tile->Locked);
    cells.insert({tile->x(), tile->y()});
  }
  EXPECT_EQ(cells.size(), 25);
  const auto& seq = f.Game.TargetSequence;
  EXPECT_EQ(f.Carousel.ShownPhotos, Photos({seq[25], seq[1], seq[2]}));
}

TEST(GameRules, AWholeGame) {
  TGameFixture f;
  f.Game.StartNewGame();
  f.Host.Take();
  for (int round = 1; round <= 25; ++round) {
    TPuzzleMemo* target = f.CurrentTarget();
    // A wrong face-down tile only answers with the shot, every time.
    for (int k = 1; k <= 25; ++k) {
      TPuzzleMemo* other = f.TileOf(k);
      if (other == target || other->Locked) continue;
      const int index = f.Game.TargetIndex;
      f.Game.TileMouseDown(other);
      f.Game.TileMouseDown(other);
      f.Game.TileMouseUp(other);
      EXPECT_EQ(f.Host.Take(), (QStringList{"shot", "shot"}));
      EXPECT_EQ(f.Game.TargetIndex, index);
      EXPECT_FALSE(other->ShowMemo);
      break;
    }
    // A tile found earlier stays silent.
    if (round > 1) {
      f.Game.TileMouseDown(f.TileOf(f.Game.TargetSequence[1]));
      EXPECT_TRUE(f.Host.Take().isEmpty());
    }
    f.Game.TileMouseDown(target);
    EXPECT_TRUE(target->ShowMemo && target->Locked);
    EXPECT_TRUE(f.Game.Playing) << "the game ends on the release, not the press";
    EXPECT_EQ(f.Host.Take(), QStringList{"snap"});
    const auto& seq = f.Game.TargetSequence;
    if (round < 25) {
      EXPECT_EQ(f.Game.TargetIndex, round + 1);
      EXPECT_EQ(f.Carousel.ShownPhotos,
                Photos({seq[round], seq[round + 1], seq[round == 24 ? 1 : round + 2]}));
      f.Game.TileMouseUp(target);
      EXPECT_TRUE(f.Host.Take().isEmpty());
    }
  }
  EXPECT_EQ(f.Game.TargetIndex, 25);
  EXPECT_EQ(f.Carousel.ShownPhotos, Photos({24, 25, 1}));
  f.Game.TileMouseUp(f.CurrentTarget());
  EXPECT_FALSE(f.Game.Playing);
  EXPECT_FALSE(f.Host.ClockRunning);
  EXPECT_EQ(f.Host.Take(), (QStringList{"stop sounds", "finale", "idle", "record"}));

  // A finished board browses: the pressed photo goes to the middle, the index stays.
  f.Game.TileMouseDown(f.TileOf(7));
  EXPECT_EQ(f.Host.Take(), QStringList{"snap"});
  EXPECT_EQ(f.Carousel.ShownPhotos, Photos({6, 7, 8}));
  EXPECT_EQ(f.Game.TargetIndex, 25);
  f.Game.TileMouseUp(f.TileOf(7));
  EXPECT_TRUE(f.Host.Take().isEmpty());
}

TEST(GameRules, NavigateWrapsAndRestsWhilePlaying) {
  TGameFixture f;
  f.Game.TargetIndex = 25;
  f.Game.Navigate(26);
  EXPECT_EQ(f.Game.TargetIndex, 1);
  EXPECT_EQ(f.Carousel.ShownPhotos, Photos({25, 1, 2}));
  f.Game.Navigate(0);
  EXPECT_EQ(f.Game.TargetIndex, 25);
  EXPECT_EQ(f.Carousel.ShownPhotos, Photos({24, 25, 1}));
  EXPECT_EQ(f.Host.Take(), (QStringList{"snap", "snap"}));
  f.Game.StartNewGame();
  f.Host.Take();
  const auto shown = f.Carousel.ShownPhotos;
  f.Game.Navigate(f.Game.TargetIndex + 1);
  EXPECT_EQ(f.Game.TargetIndex, 1);
  EXPECT_EQ(f.Carousel.ShownPhotos, shown);
  EXPECT_TRUE(f.Host.Take().isEmpty());
}

TEST(GameRules, AbortFreesTheBoardAndBrowsesARandomPhoto) {
  TGameFixture f;
  f.Game.StartNewGame();
  f.Game.TileMouseDown(f.CurrentTarget());
  f.Host.Take();
  f.Game.AbortGame();
  EXPECT_FALSE(f.Game.Playing);
  EXPECT_FALSE(f.Host.ClockRunning);
  for (int k = 1; k <= 25; ++k) EXPECT_EQ(f.TileOf(k), nullptr);
  EXPECT_TRUE(f.Game.TargetIndex >= 1 && f.Game.TargetIndex <= 25);
  EXPECT_EQ(f.Carousel.ShownPhotos[1], f.Game.TargetIndex);
  EXPECT_EQ(f.Host.Take(), (QStringList{"background", "idle"}));
}

TEST(ClockSeededRandom, BackToBackSeedsDealNewSequences) {
  TClockSeededRandom random;
  std::set<std::vector<int>> deals;
  for (int deal = 0; deal < 1000; ++deal) {
    random.SeedFromClock();
    std::vector<int> draws;
    for (int i = 0; i < 12; ++i) draws.push_back(random.DrawPhoto());
    deals.insert(draws);
  }
  EXPECT_GE(deals.size(), 999u);
}

// The board's widget owns the tiles: whichever of the two goes first, each
// tile is freed once (the sanitizer build would report a second free).
TEST(GameRules, TheTilesBelongToTheBoardWidgetAlone) {
  {
    auto board = std::make_unique<QWidget>();
    board->resize(1024, 727);
    TRecordingHost host;
    TPhotoCarousel carousel;
    TFixedRandom random;
    TGame game(host, carousel, random, board.get());
    game.BuildBoard();
    ASSERT_EQ(game.Tiles[1]->parent(), board.get());
    board.reset();
    EXPECT_EQ(game.Tiles[1], nullptr) << "gone with the board";
  }
  TGameFixture fixture;
  fixture.Game.BuildBoard();
  QPointer<TPuzzleMemo> first = fixture.TileOf(1);
  fixture.Game.BuildBoard();
  EXPECT_TRUE(first.isNull()) << "a new deal frees the old tiles";
  EXPECT_EQ(fixture.PlayArea.findChildren<TPuzzleMemo*>().size(), 25);
}
