// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/Colors.h"

QColor ColorOf(TColor c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QRgb RgbOf(TColor c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

TColor ColorAt(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return MakeColor(qRed(p), qGreen(p), qBlue(p));
}
