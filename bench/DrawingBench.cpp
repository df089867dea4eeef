// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <jpeglib.h>

#include <QImage>
#include <cstring>
#include <vector>

#include "app/Unit_Tessaryn.h"
#include "media/FuncUnit.h"
#include "media/ResourceCatalogue.h"
#include "media/Unit_Form_Intro.h"
#include "tests/MainWindowProbe.h"

namespace {

QImage Noise(int w, int h, unsigned seed) {
  QImage image(w, h, QImage::Format_RGB888);
  for (int y = 0; y < h; ++y) {
    uchar* line = image.scanLine(y);
    for (int i = 0; i < w * 3; ++i)
      line[i] = static_cast<uchar>((seed = seed * 1103515245 + 12345) >> 16);
  }
  return image;
}

// The intro's step: 800 x 600 at 24 bits, 1,440,000 bytes.
void BM_BlendBitmaps(benchmark::State& state) {
  QImage dest = Noise(800, 600, 1), source = Noise(800, 600, 2);
  int weight = 253;
  for (auto _ : state) {
    BlendBitmaps(dest, source, weight);
    weight = weight > 3 ? weight - 2 : 253;
    benchmark::DoNotOptimize(dest.constBits());
  }
  state.SetBytesProcessed(state.iterations() * 1440000);
}
BENCHMARK(BM_BlendBitmaps);

void BM_Memcpy(benchmark::State& state) {
  std::vector<unsigned char> from(1440000, 7), to(1440000);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * 1440000);
}
BENCHMARK(BM_Memcpy);

void BM_LoadJpgResource(benchmark::State& state) {
  QImage bitmap;
  for (auto _ : state) {
    LoadJpgResource(bitmap, "FOTO_07");
    benchmark::DoNotOptimize(bitmap.constBits());
  }
}
BENCHMARK(BM_LoadJpgResource);

// The same photo straight through libjpeg-turbo into a plain buffer.
void BM_BareJpegDecode(benchmark::State& state) {
  const QByteArray bytes = ResourceBytes(TResourceType::JPG, "FOTO_07");
  for (auto _ : state) {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    std::vector<unsigned char> pixels(size_t(info.output_width) * info.output_height * 3);
    while (info.output_scanline < info.output_height) {
      JSAMPROW row = pixels.data() + size_t(info.output_scanline) * info.output_width * 3;
      jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    benchmark::DoNotOptimize(pixels.data());
  }
}
BENCHMARK(BM_BareJpegDecode);

// The play area of a 1920 x 1080 screen: 1920 x 1039 below the menu bar.
void BM_DrawBackground(benchmark::State& state) {
  TForm_Tessaryn form;
  form.setGeometry(0, 0, 1920, 1080);
  form.show();
  for (auto _ : state) form.DrawBackground();
  state.counters["width"] = Probe(form).Image_Back.width();
  state.counters["height"] = Probe(form).Image_Back.height();
}
BENCHMARK(BM_DrawBackground)->Unit(benchmark::kMillisecond);

// One step of the intro: blend the 800 x 600 fire and draw it on the screen's canvas.
void BM_IntroTick(benchmark::State& state) {
  TForm_Intro intro;
  intro.Timer_Blend.stop();
  for (auto _ : state) {
    if (intro.BlendLevel <= 5) intro.BlendLevel = 255;
    intro.Timer_BlendTimer();
  }
}
BENCHMARK(BM_IntroTick)->Unit(benchmark::kMillisecond);

}  // namespace
