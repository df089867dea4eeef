// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/ScreenCursor.h"

#include <QGuiApplication>

void SetScreenCursor(const QCursor& cursor) {
  if (QGuiApplication::overrideCursor())
    QGuiApplication::changeOverrideCursor(cursor);
  else
    QGuiApplication::setOverrideCursor(cursor);
}

void ResetScreenCursor() {
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}
