// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/Folders.h"

#include <QStandardPaths>

QString GetSpecialFolder(TSpecialFolder folder) {
  QString path = QStandardPaths::writableLocation(folder == TSpecialFolder::AppData
                                                      ? QStandardPaths::GenericDataLocation
                                                      : QStandardPaths::DocumentsLocation);
  if (!path.isEmpty() && !path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  return path;
}
