// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include "media/Colors.h"

// A font size in points as pixels at 96 dpi, so that 10 points are 13 pixels
// on every screen.
int PointsToPixels(int points);
// "Arial" 10 points bold and the like, measured in pixels (see PointsToPixels).
QFont ProgramFont(const QString& family, int points, bool bold = false);

// Fills the rectangle row by row: the first row exactly Top, the last exactly
// Bottom, the rows between interpolated linearly per channel.
void FillVerticalGradient(QPainter& painter, const QRect& rect, TColor top, TColor bottom);
// The dialogs' background: the gradient 0xB7BDC8 to 0x555E6C over the rect.
void PaintDialogBackground(QPainter& painter, const QRect& rect);
constexpr TColor DialogTopColor = 0xB7BDC8;
constexpr TColor DialogBottomColor = 0x555E6C;

// Draws the picture at its own size, leaving out every pixel of exactly the
// key colour, so what lies below shows through there.
void DrawTransparent(QPainter& painter, int x, int y, const QImage& picture, TColor key);

// Scales with area averaging when shrinking, so photos stay smooth.
QImage StretchHalftone(const QImage& source, const QSize& size);

// Dest[r][i] := (Src[r][i] * (255 - Weight) + Dest[r][i] * Weight) div 255 over
// the overlapping rows and bytes; both become 24-bit first. Runs in place.
QImage& BlendBitmaps(QImage& dest, QImage& source, int weight);

// Every pixel becomes (77 R + 151 G + 28 B) div 256 in all three channels.
void MakeGrayscale(QImage& bitmap);

// Draws a text with the top of its line cell at y, as a canvas text-out does.
void TextOutTopLeft(QPainter& painter, int x, int y, const QString& text);
