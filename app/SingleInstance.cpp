// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QStandardPaths>

#include "controls/MessageBoxes.h"
#include "localization/Unit_Language.h"

TSingleInstanceGuard::~TSingleInstanceGuard() {
  if (LockFd >= 0) close(LockFd);
}

QString TSingleInstanceGuard::DefaultLockPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return folder + QStringLiteral("/tessaryn-puzzle.lock");
}

bool TSingleInstanceGuard::Acquire(const QString& lockPath) {
  if (LockFd >= 0) return true;
  const int fd = open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return true;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  LockFd = fd;
  return true;
}

bool EnsureSingleInstance(TSingleInstanceGuard& guard, const QString& lockPath) {
  if (guard.Acquire(lockPath)) return true;
  // No language has been chosen at this point: the message is German.
  ApplyLanguage(LangGerman);
  ShowInformationBox(MsgAlreadyRunning);
  return false;
}
