// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// One running instance at a time: an exclusive lock on a file in the user's
// runtime folder. The operating system drops the lock with the process, so an
// instance that crashed never blocks the next start.
class TSingleInstanceGuard {
 public:
  TSingleInstanceGuard() = default;
  TSingleInstanceGuard(const TSingleInstanceGuard&) = delete;
  TSingleInstanceGuard& operator=(const TSingleInstanceGuard&) = delete;
  ~TSingleInstanceGuard();

  static QString DefaultLockPath();
  // False when another instance holds the lock. When the lock file cannot be
  // made at all, the game still starts: better unguarded than not at all.
  bool Acquire(const QString& lockPath = DefaultLockPath());

 private:
  int LockFd = -1;
};

// Takes the guard, or tells the player in German that the game already runs
// and answers false.
bool EnsureSingleInstance(TSingleInstanceGuard& guard,
                          const QString& lockPath = TSingleInstanceGuard::DefaultLockPath());
