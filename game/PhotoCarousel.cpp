// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PhotoCarousel.h"

#include <QPainter>

#include "media/FuncUnit.h"
#include "media/ResourceCatalogue.h"

namespace {
constexpr TColor SlotBorderColor = 0x0D0F0F;
}

QRect TPhotoCarousel::SlotRect(int slot) const {
  const int mid = Mid();
  switch (slot) {
    case 0:
      return {108, mid - 310, 150, 150};
    case 1:
      return {39, mid - 143, 287, 287};
    case 2:
      return {108, mid + 160, 150, 150};
    default:
      return {};
  }
}

void TPhotoCarousel::BuildCarouselFrame(const QImage& background) {
  Picture =
      background.copy(Left, 0, Width, background.height()).convertToFormat(QImage::Format_RGB32);
  const QImage frame = LoadBitmapResource(QStringLiteral("FRAME"));
  QPainter painter(&Picture);
  DrawTransparent(painter, 0, Mid() - 150, frame, ColorAt(frame, 150, 150));
}

void TPhotoCarousel::DrawSlotFrame(int x1, int y1, int x2, int y2) {
  // A 2-pixel outline just inside the corners, the far corner exclusive, as a
  // rectangle primitive draws it; no fill.
  QPainter painter(&Picture);
  const QColor color = ColorOf(SlotBorderColor);
  const int w = x2 - x1, h = y2 - y1;
  painter.fillRect(x1, y1, w, 2, color);
  painter.fillRect(x1, y2 - 2, w, 2, color);
  painter.fillRect(x1, y1, 2, h, color);
  painter.fillRect(x2 - 2, y1, 2, h, color);
}

void TPhotoCarousel::DrawCarouselSlot(QImage& bitmap, int photo, int i, int start) {
  LoadJpgResource(bitmap, PhotoResourceName(photo));
  const int slot = i - start;
  if (slot < 0 || slot > 2) return;
  const QRect target = SlotRect(slot);
  {
    QPainter painter(&Picture);
    painter.drawImage(target.topLeft(), StretchHalftone(bitmap, target.size()));
  }
  ShownPhotos[static_cast<size_t>(slot)] = photo;
  const int mid = Mid();
  if (slot == 0) DrawSlotFrame(109, mid - 310, 258, mid - 160);
  if (slot == 2) DrawSlotFrame(109, mid + 160, 258, mid + 310);
}

template <typename TPhotoOf>
void TPhotoCarousel::DrawThreeSlots(int start, TPhotoOf photoOf) {
  QImage bitmap;
  for (int i = start; i <= start + 2; ++i) DrawCarouselSlot(bitmap, photoOf(i), i, start);
  if (OnChanged) OnChanged();
}

void TPhotoCarousel::ShowAroundPhoto(int n) {
  DrawThreeSlots(n > 25 ? 25 : n - 1, [](int i) { return i < 1 ? 25 : i > 25 ? 1 : i; });
}

void TPhotoCarousel::AdvanceTarget(int& targetIndex, const std::array<int, 26>& targetSequence) {
  ++targetIndex;
  DrawThreeSlots(targetIndex > 25 ? 25 : targetIndex - 1, [&](int i) {
    return targetSequence[static_cast<size_t>(i < 1 ? 25 : i > 25 ? 1 : i)];
  });
}
