// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/Painting.h"

#include <cmath>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

int PointsToPixels(int points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont ProgramFont(const QString& family, int points, bool bold) {
  QFont font(family);
  font.setPixelSize(PointsToPixels(points));
  font.setBold(bold);
  return font;
}

void FillVerticalGradient(QPainter& painter, const QRect& rect, TColor top, TColor bottom) {
  const int h = rect.height();
  if (h <= 0 || rect.width() <= 0) return;
  const int span = std::max(h - 1, 1);
  auto channel = [&](int from, int to, int row) {
    return static_cast<int>(std::lround(from + double(to - from) * row / span));
  };
  for (int row = 0; row < h; ++row) {
    const QColor c(channel(RedOf(top), RedOf(bottom), row),
                   channel(GreenOf(top), GreenOf(bottom), row),
                   channel(BlueOf(top), BlueOf(bottom), row));
    painter.fillRect(rect.left(), rect.top() + row, rect.width(), 1, c);
  }
}

void PaintDialogBackground(QPainter& painter, const QRect& rect) {
  FillVerticalGradient(painter, rect, DialogTopColor, DialogBottomColor);
}

void DrawTransparent(QPainter& painter, int x, int y, const QImage& picture, TColor key) {
  QImage masked = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb keyRgb = RgbOf(key);
  for (int row = 0; row < masked.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(masked.scanLine(row));
    for (int col = 0; col < masked.width(); ++col)
      if ((line[col] & 0xFFFFFF) == (keyRgb & 0xFFFFFF)) line[col] = 0;
  }
  painter.drawImage(x, y, masked);
}

QImage StretchHalftone(const QImage& source, const QSize& size) {
  if (source.size() == size) return source;
  return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {

// t div 255 for every t up to 255 * 255, as (t * 0x8081) >> 23.
inline std::uint8_t Div255(unsigned t) { return static_cast<std::uint8_t>((t * 0x8081u) >> 23); }

void BlendRowPortable(std::uint8_t* d, const std::uint8_t* s, int bytes, int weight) {
  const auto keep = static_cast<std::uint16_t>(weight);
  const auto take = static_cast<std::uint16_t>(255 - weight);
  for (int i = 0; i < bytes; ++i)
    d[i] = Div255(static_cast<std::uint16_t>(s[i] * take + d[i] * keep));
}

#if defined(__x86_64__)
__attribute__((target("avx2"))) inline __m256i BlendHalfAvx2(__m256i s, __m256i d, __m256i take,
                                                             __m256i keep) {
  const __m256i magic = _mm256_set1_epi16(static_cast<short>(0x8081));
  const __m256i t = _mm256_add_epi16(_mm256_mullo_epi16(s, take), _mm256_mullo_epi16(d, keep));
  return _mm256_srli_epi16(_mm256_mulhi_epu16(t, magic), 7);
}

// The intro blends 1,440,000 bytes every 33 ms: 32 bytes a step where the processor can.
__attribute__((target("avx2"))) void BlendRowAvx2(std::uint8_t* d, const std::uint8_t* s, int bytes,
                                                  int weight) {
  const __m256i keep = _mm256_set1_epi16(static_cast<short>(weight));
  const __m256i take = _mm256_set1_epi16(static_cast<short>(255 - weight));
  const __m256i zero = _mm256_setzero_si256();
  int i = 0;
  for (; i + 32 <= bytes; i += 32) {
    const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
    const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
    const __m256i low =
        BlendHalfAvx2(_mm256_unpacklo_epi8(sv, zero), _mm256_unpacklo_epi8(dv, zero), take, keep);
    const __m256i high =
        BlendHalfAvx2(_mm256_unpackhi_epi8(sv, zero), _mm256_unpackhi_epi8(dv, zero), take, keep);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_packus_epi16(low, high));
  }
  BlendRowPortable(d + i, s + i, bytes - i, weight);
}
#endif

using TBlendRow = void (*)(std::uint8_t*, const std::uint8_t*, int, int);

TBlendRow ChooseBlendRow() {
#if defined(__x86_64__)
  if (__builtin_cpu_supports("avx2")) return BlendRowAvx2;
#endif
  return BlendRowPortable;
}

}  // namespace

QImage& BlendBitmaps(QImage& dest, QImage& source, int weight) {
  static const TBlendRow blendRow = ChooseBlendRow();
  if (dest.format() != QImage::Format_RGB888) dest.convertTo(QImage::Format_RGB888);
  if (source.format() != QImage::Format_RGB888) source.convertTo(QImage::Format_RGB888);
  const int rows = std::min(dest.height(), source.height());
  const int bytes = 3 * std::min(dest.width(), source.width());
  for (int r = 0; r < rows; ++r) blendRow(dest.scanLine(r), source.constScanLine(r), bytes, weight);
  return dest;
}

void MakeGrayscale(QImage& bitmap) {
  if (bitmap.format() != QImage::Format_RGB888) bitmap.convertTo(QImage::Format_RGB888);
  for (int r = 0; r < bitmap.height(); ++r) {
    std::uint8_t* p = bitmap.scanLine(r);
    for (int c = 0; c < bitmap.width(); ++c, p += 3) {
      const auto gray = static_cast<std::uint8_t>((77 * p[0] + 151 * p[1] + 28 * p[2]) >> 8);
      p[0] = p[1] = p[2] = gray;
    }
  }
}

void TextOutTopLeft(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}
