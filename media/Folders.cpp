// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/Folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

bool HasUsableHome() {
  // Without HOME Qt takes "/" for the home folder, and a run as root would fill
  // the whole machine's root with the player's files.
  const QString home = qEnvironmentVariable("HOME");
  if (home.isEmpty() || !QDir::isAbsolutePath(home)) return false;
  const QFileInfo folder(home);
  return folder.isDir() && !folder.isRoot();
}

QString GetSpecialFolder(TSpecialFolder folder) {
  if (!HasUsableHome()) return QString();
  QString path = QStandardPaths::writableLocation(folder == TSpecialFolder::AppData
                                                      ? QStandardPaths::GenericDataLocation
                                                      : QStandardPaths::DocumentsLocation);
  if (!path.isEmpty() && !path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  return path;
}
