// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QPointer>
#include <QSize>
#include <array>
#include <memory>

#include "controls/PuzzleMemo.h"
#include "game/GameHost.h"
#include "game/PhotoCarousel.h"
#include "game/RandomSource.h"

class QObject;
class QWidget;

// Where the board goes on a play area: a square of Side pixels at the right,
// 5 x 5 tiles of T pixels with 4-pixel gaps, from (X0, 10).
struct TBoardGeometry {
  int Side, T, X0;
  QPoint Cell(int index) const;  // 0 … 24, row by row from the top left
};
TBoardGeometry BoardGeometry(QSize playArea);

// The game: the target sequence, the board of 25 photo tiles and the rules of
// a press. The main window owns it and feeds it the tiles' events; tests make
// the same calls.
class TGame {
 public:
  TGame(TGameHost& host, TPhotoCarousel& carousel, TRandomSource& random, QWidget* boardParent);
  ~TGame();

  bool Playing = false;
  int TargetIndex = 0;
  std::array<int, 26> TargetSequence{};  // [1 … 25] used
  // [k] carries photo k. The tiles belong to the board's widget, their Qt
  // parent; the game frees them when it deals anew and watches them go.
  std::array<QPointer<TPuzzleMemo>, 26> Tiles{};

  void SetPlaying(bool value);
  void ShuffleTargets();
  void BuildBoard();
  void FreeTiles();
  // Sizes and places the tiles for the board parent's present size, each in
  // the cell it was dealt to (after a change of the screen's size).
  void LayOutBoard();
  bool AllRevealed() const;
  void TileMouseDown(QObject* sender);
  void TileMouseUp(QObject* sender);
  void Navigate(int newIndex);

  // Keyboard play: a frame over one cell of the board (0 … 24, row by row). It
  // shows at the first arrow key of a game, on the top-left cell, and hides
  // while the mouse moves over the board; Space or Return held is a mouse
  // button held on the framed tile.
  int FocusCell = 0;
  bool FocusShown = false;
  void MoveFocus(int columns, int rows);
  void HideFocus();
  void PressFocused();
  void ReleaseFocused();
  TPuzzleMemo* TileAt(int cell) const;  // null while no board is dealt

  // The two ways out of the play button's question: a new game after the
  // player is known, and a confirmed abort.
  void StartNewGame();
  void AbortGame();

  TRandomSource& Random;

 private:
  TGameHost& Host;
  TPhotoCarousel& Carousel;
  QWidget* BoardParent;
  std::array<TPuzzleMemo*, 25> Board{};  // the tile in each cell
  TPuzzleMemo* KeyPressedTile = nullptr;
  void ShowFocus();
};
