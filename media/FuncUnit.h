// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <cstdint>
#include <stdexcept>

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

// A font size in points as pixels at 96 dpi, so that 10 points are 13 pixels
// on every screen.
int PointsToPixels(int points);
// "Arial" 10 points bold and the like, measured in pixels (see PointsToPixels).
QFont ProgramFont(const QString& family, int points, bool bold = false);

// Raised when the JPEG decoder rejects the data.
class EJpegError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decodes JPEG bytes into a 24-bit (RGB888) bitmap of the picture's size; a
// grayscale JPEG comes out with equal channels. On an error the bitmap keeps
// what it held and EJpegError is raised.
void DecodeJpeg(QImage& bitmap, const QByteArray& data);
// The JPG resource of that name into the bitmap; a missing name raises
// EResourceNotFound, the bitmap unchanged.
void LoadJpgResource(QImage& bitmap, const QString& name);
// A picture of one window's layout (PNG, BMP or JPEG).
QImage LoadLayoutPicture(const QString& name);

// The name of the JPG resource of photo 1 … 25: "FOTO_01" … "FOTO_25".
QString PhotoResourceName(int photo);

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

// The user's folders: application data (the XDG data folder) and documents.
// The path ends with "/"; empty when the platform knows no such folder.
enum class TSpecialFolder { AppData, Documents };
QString GetSpecialFolder(TSpecialFolder folder);

// Draws a text with the top of its line cell at y, as a canvas text-out does.
void TextOutTopLeft(QPainter& painter, int x, int y, const QString& text);
