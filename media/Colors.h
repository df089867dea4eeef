// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

// Colours are kept as 0x00BBGGRR values (blue in the high byte), as the
// program's colour tables write them; ColorOf is the one place that turns
// them into Qt colours.
using TColor = std::uint32_t;

constexpr int RedOf(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr TColor MakeColor(int r, int g, int b) {
  return static_cast<TColor>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}
QColor ColorOf(TColor c);
QRgb RgbOf(TColor c);
TColor ColorAt(const QImage& image, int x, int y);
