// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/Cursors.h"

#include <QPixmap>

#include "media/ResourceCatalogue.h"

namespace {

QCursor CursorFromResource(const char* name, Qt::CursorShape fallback) {
  QPixmap picture;
  if (!picture.loadFromData(ResourceBytes(TResourceType::CURSOR, QString::fromLatin1(name))))
    return QCursor(fallback);
  return QCursor(picture, 0, 0);
}

}  // namespace

QCursor OpenHandCursor() {
  static const QCursor cursor = CursorFromResource("CUR_101", Qt::OpenHandCursor);
  return cursor;
}

QCursor GrabHandCursor() {
  static const QCursor cursor = CursorFromResource("CUR_102", Qt::ClosedHandCursor);
  return cursor;
}
