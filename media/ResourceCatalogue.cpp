// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/ResourceCatalogue.h"

#include <QResource>
#include <mutex>

void RegisterResourceCatalogue();

namespace {

QString PathOf(const QString& prefix, const QString& name) {
  return QStringLiteral(":/") + prefix + QLatin1Char('/') + name;
}

QByteArray BytesAt(const QString& path) {
  EnsureResourceCatalogue();
  QResource resource(path);
  if (!resource.isValid() || resource.size() == 0) return {};
  if (resource.compressionAlgorithm() == QResource::NoCompression)
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                   static_cast<qsizetype>(resource.size()));
  return resource.uncompressedData();
}

}  // namespace

void EnsureResourceCatalogue() {
  static std::once_flag once;
  std::call_once(once, RegisterResourceCatalogue);
}

QString ResourceTypeName(TResourceType type) {
  switch (type) {
    case TResourceType::JPG:
      return QStringLiteral("JPG");
    case TResourceType::BITMAP:
      return QStringLiteral("BITMAP");
    case TResourceType::MP3:
      return QStringLiteral("MP3");
    case TResourceType::RCDATA:
      return QStringLiteral("RCDATA");
    case TResourceType::CURSOR:
      return QStringLiteral("CURSOR");
  }
  return {};
}

EResourceNotFound::EResourceNotFound(TResourceType type, const QString& name)
    : std::runtime_error(QStringLiteral("Ressource %1 \"%2\" nicht gefunden")
                             .arg(ResourceTypeName(type), name)
                             .toStdString()) {}

bool ResourceExists(TResourceType type, const QString& name) {
  EnsureResourceCatalogue();
  const QResource resource(PathOf(ResourceTypeName(type), name));
  return !name.isEmpty() && resource.isValid() && resource.size() > 0;
}

QByteArray ResourceBytes(TResourceType type, const QString& name) {
  if (!ResourceExists(type, name)) throw EResourceNotFound(type, name);
  return BytesAt(PathOf(ResourceTypeName(type), name));
}

QImage LoadBitmapResource(const QString& name) {
  QImage image = QImage::fromData(ResourceBytes(TResourceType::BITMAP, name), "BMP");
  if (image.isNull())
    throw std::runtime_error("Ressource BITMAP \"" + name.toStdString() + "\" ist keine Bitmap");
  return image;
}

QByteArray LayoutPictureBytes(const QString& name) {
  return BytesAt(PathOf(QStringLiteral("layout"), name));
}
