// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <stdexcept>

// The program's carried content, found by type and name, as in ":/JPG/FOTO_01".
enum class TResourceType { JPG, BITMAP, MP3, RCDATA, CURSOR };

QString ResourceTypeName(TResourceType type);

// Registers the compiled-in catalogue; every lookup below does it itself.
void EnsureResourceCatalogue();

// Raised for a name that the catalogue does not hold; names the type and the name.
class EResourceNotFound : public std::runtime_error {
 public:
  EResourceNotFound(TResourceType type, const QString& name);
};

bool ResourceExists(TResourceType type, const QString& name);

// The bytes of a resource, without a copy: they live as long as the program.
QByteArray ResourceBytes(TResourceType type, const QString& name);

// A BITMAP resource as an image (8-bit pictures come out indexed, 24-bit as RGB888).
QImage LoadBitmapResource(const QString& name);

// The bytes of a picture that belongs to one window only (menu glyphs, trophy,
// banners, icon); empty when there is none of that name.
QByteArray LayoutPictureBytes(const QString& name);
