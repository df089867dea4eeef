// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/Jpeg.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>

#include "media/ResourceCatalogue.h"

namespace {

struct TJpegErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Escape;
  char Message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info) {
  auto* manager = reinterpret_cast<TJpegErrorManager*>(info->err);
  info->err->format_message(info, manager->Message);
  std::longjmp(manager->Escape, 1);
}

void JpegSilentMessage(j_common_ptr) {}

// Kept free of C++ objects with destructors, because a decoder error leaves
// through longjmp. Answers nullptr on success, else the decoder's message.
const char* DecodeInto(QImage* target, const unsigned char* bytes, unsigned long size,
                       TJpegErrorManager* errors) {
  jpeg_decompress_struct info;
  info.err = jpeg_std_error(&errors->Base);
  errors->Base.error_exit = JpegErrorExit;
  errors->Base.output_message = JpegSilentMessage;
  if (setjmp(errors->Escape)) {
    jpeg_destroy_decompress(&info);
    return errors->Message;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  *target = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
  if (target->isNull()) {
    jpeg_destroy_decompress(&info);
    return "Nicht genug Speicher für das Bild";
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = target->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return nullptr;
}

}  // namespace

void DecodeJpeg(QImage& bitmap, const QByteArray& data) {
  QImage decoded;
  TJpegErrorManager errors{};
  const char* failure =
      DecodeInto(&decoded, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()), &errors);
  if (failure) throw EJpegError(std::string("JPEG-Fehler: ") + failure);
  bitmap.swap(decoded);
}

void LoadJpgResource(QImage& bitmap, const QString& name) {
  DecodeJpeg(bitmap, ResourceBytes(TResourceType::JPG, name));
}

QImage LoadLayoutPicture(const QString& name) {
  const QByteArray bytes = LayoutPictureBytes(name);
  if (bytes.isEmpty())
    throw std::runtime_error("Bild \"" + name.toStdString() + "\" nicht gefunden");
  QImage picture;
  if (bytes.startsWith("\xFF\xD8"))
    DecodeJpeg(picture, bytes);
  else
    picture = QImage::fromData(bytes);
  if (picture.isNull())
    throw std::runtime_error("Bild \"" + name.toStdString() + "\" ist beschädigt");
  return picture;
}

QString PhotoResourceName(int photo) {
  return QStringLiteral("FOTO_%1").arg(photo, 2, 10, QLatin1Char('0'));
}
