// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <functional>

// The film strip at the left of the play area: one photo large in the frame's
// window, its neighbours small above and below. Drawn as a whole into Picture
// on every change; the window shows Picture in its carousel image.
class TPhotoCarousel {
 public:
  static constexpr int Left = 10;  // in the play area
  static constexpr int Width = 366;

  QImage Picture;
  // The photo numbers last drawn: top, middle, bottom.
  std::array<int, 3> ShownPhotos{};
  // Runs after every update, so the window can show the new picture.
  std::function<void()> OnChanged;

  // A copy of the background under the strip, with the frame over it (its
  // white window and holes left out). Made on every size change.
  void BuildCarouselFrame(const QImage& background);
  // Photo into the slot I − Start: 0 top, 1 middle, 2 bottom; any other, nothing.
  void DrawCarouselSlot(QImage& bitmap, int photo, int i, int start);
  void DrawSlotFrame(int x1, int y1, int x2, int y2);
  // The browsing view: photos N − 1, N, N + 1 by number, wrapping round.
  void ShowAroundPhoto(int n);
  // The game view: the next target large, the one found last above, the one
  // after it below. Moves targetIndex on by one.
  void AdvanceTarget(int& targetIndex, const std::array<int, 26>& targetSequence);

  int Mid() const { return Picture.height() / 2; }
  QRect SlotRect(int slot) const;  // 0 top, 1 middle, 2 bottom

 private:
  template <typename TPhotoOf>
  void DrawThreeSlots(int start, TPhotoOf photoOf);
};
