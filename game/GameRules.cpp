// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/GameRules.h"

#include <QWidget>
#include <algorithm>
#include <utility>

#include "media/FuncUnit.h"
#include "media/ResourceCatalogue.h"
#include "persistence/VarUnit.h"

QPoint TBoardGeometry::Cell(int index) const {
  return {X0 + (index % 5) * (T + 4), 10 + (index / 5) * (T + 4)};
}

TBoardGeometry BoardGeometry(QSize playArea) {
  const int side = std::min(playArea.width() - 420, playArea.height() - 40);
  return {side, side / 5, playArea.width() - side - 25};
}

TGame::TGame(TGameHost& host, TPhotoCarousel& carousel, TRandomSource& random, QWidget* boardParent)
    : Random(random), Host(host), Carousel(carousel), BoardParent(boardParent) {}

TGame::~TGame() { FreeTiles(); }

void TGame::SetPlaying(bool value) {
  Playing = value;
  if (!value) HideFocus();
  Host.ShowPlaying(value);
}

void TGame::ShuffleTargets() {
  TargetSequence.fill(0);
  Random.SeedFromClock();
  int v = Random.DrawPhoto();
  for (int i = 1; i <= 25; ++i) {
    while (std::find(TargetSequence.begin() + 1, TargetSequence.end(), v) != TargetSequence.end())
      v = Random.DrawPhoto();
    TargetSequence[static_cast<size_t>(i)] = v;
  }
}

void TGame::BuildBoard() {
  Host.SetClockRunning(false);
  FreeTiles();
  const TBoardGeometry board = BoardGeometry(BoardParent->size());
  const QImage deckSymbol = LoadBitmapResource(QStringLiteral("KAMERA"));
  QImage photo;
  for (int k = 1; k <= 25; ++k) {
    auto* tile = new TPuzzleMemo(BoardParent);  // the board's widget owns its tiles
    tile->setVisible(false);
    tile->resize(board.T, board.T);
    tile->Tag = k;
    tile->Locked = false;
    tile->MemoColors.Color1 = 0xA8AFBD;
    tile->MemoColors.Color2 = 0x8792A0;
    tile->MemoColors.HoverColor1 = 0xC2C8D1;
    tile->MemoColors.HoverColor2 = 0x9DA6B3;
    tile->OnMouseDown = [this](TPuzzleMemo* sender) { TileMouseDown(sender); };
    tile->OnMouseUp = [this](TPuzzleMemo* sender) { TileMouseUp(sender); };
    tile->OnMouseMove = [this](TPuzzleMemo*) { HideFocus(); };
    LoadJpgResource(photo, PhotoResourceName(k));
    tile->SetMemoBitmap(photo);
    tile->SetDeckSymbol(deckSymbol);
    Tiles[static_cast<size_t>(k)] = tile;
  }
  int p = Random.DrawPhoto();
  for (int cell = 0; cell < 25; ++cell) {
    while (!Tiles[static_cast<size_t>(p)]->isHidden()) p = Random.DrawPhoto();
    TPuzzleMemo& tile = *Tiles[static_cast<size_t>(p)];
    tile.move(board.Cell(cell));
    tile.Row = cell / 5 + 1;
    tile.Column = cell % 5 + 1;
    tile.setVisible(true);
    Board[static_cast<size_t>(cell)] = &tile;
  }
  FocusCell = 0;
  FocusShown = false;
  Host.ResetClock();
  Host.SetClockRunning(true);
  Host.PlayMusic();
}

void TGame::FreeTiles() {
  KeyPressedTile = nullptr;
  Board.fill(nullptr);
  for (QPointer<TPuzzleMemo>& tile : Tiles) {
    delete tile.data();  // none when the board's widget has gone first
    tile = nullptr;
  }
}

TPuzzleMemo* TGame::TileAt(int cell) const {
  return cell >= 0 && cell < 25 ? Board[static_cast<size_t>(cell)] : nullptr;
}

void TGame::MoveFocus(int columns, int rows) {
  if (!Playing || !TileAt(0)) return;
  if (FocusShown) {
    const int column = std::clamp(FocusCell % 5 + columns, 0, 4);
    const int row = std::clamp(FocusCell / 5 + rows, 0, 4);
    FocusCell = row * 5 + column;
  }
  FocusShown = true;
  ShowFocus();
}

void TGame::HideFocus() {
  if (!FocusShown) return;  // every mouse move over the board comes here
  FocusShown = false;
  ShowFocus();
}

void TGame::ShowFocus() {
  for (int cell = 0; cell < 25; ++cell)
    if (TPuzzleMemo* tile = TileAt(cell)) tile->SetFramed(FocusShown && cell == FocusCell);
}

void TGame::PressFocused() {
  if (!Playing || !FocusShown || KeyPressedTile) return;
  KeyPressedTile = TileAt(FocusCell);
  if (KeyPressedTile) KeyPressedTile->PressFromKeyboard();
}

void TGame::ReleaseFocused() {
  TPuzzleMemo* tile = std::exchange(KeyPressedTile, nullptr);
  if (tile) tile->ReleaseFromKeyboard();
}

void TGame::LayOutBoard() {
  if (!BoardParent) return;
  const TBoardGeometry board = BoardGeometry(BoardParent->size());
  for (int cell = 0; cell < 25; ++cell)
    if (TPuzzleMemo* tile = TileAt(cell))
      tile->setGeometry(QRect(board.Cell(cell), QSize(board.T, board.T)));
}

bool TGame::AllRevealed() const {
  return std::all_of(Tiles.begin() + 1, Tiles.end(),
                     [](const QPointer<TPuzzleMemo>& tile) { return tile && tile->ShowMemo; });
}

void TGame::TileMouseDown(QObject* sender) {
  auto* tile = qobject_cast<TPuzzleMemo*>(sender);
  if (!tile) return;
  if (!Playing) {
    if (tile->ShowMemo) {
      Host.PlaySnap();
      Carousel.ShowAroundPhoto(tile->Tag);
    }
    return;
  }
  if (!tile->ShowMemo && tile->Tag == TargetSequence[static_cast<size_t>(TargetIndex)]) {
    Host.PlaySnap();
    tile->ShowMemo = true;
    tile->Locked = true;
    if (AllRevealed())
      Carousel.ShowAroundPhoto(TargetIndex);
    else
      Carousel.AdvanceTarget(TargetIndex, TargetSequence);
    return;
  }
  if (!tile->Locked) Host.PlayShot();
}

void TGame::TileMouseUp(QObject*) {
  if (!Playing || !AllRevealed()) return;
  Host.SetClockRunning(false);
  Host.StopAllSounds();
  Host.PlayFinale();
  SetPlaying(false);
  Host.RecordResult();
}

void TGame::Navigate(int newIndex) {
  if (Playing) return;
  Host.PlaySnap();
  TargetIndex = newIndex > 25 ? 1 : newIndex < 1 ? 25 : newIndex;
  Carousel.ShowAroundPhoto(TargetIndex);
}

void TGame::StartNewGame() {
  ShuffleTargets();
  TargetIndex = 0;
  Carousel.AdvanceTarget(TargetIndex, TargetSequence);
  BuildBoard();
  SetPlaying(true);
}

void TGame::AbortGame() {
  PlayerData.reset();
  Host.SetClockRunning(false);
  FreeTiles();
  Host.DrawBackground();
  SetPlaying(false);
  TargetIndex = Random.DrawPhoto();
  Carousel.ShowAroundPhoto(TargetIndex);
}
