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
