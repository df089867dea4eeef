// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <utility>
#include <vector>

// A home folder of its own while it lives: HOME and the XDG folders point into
// a fresh temporary folder (the runtime folder made, private), and everything
// is put back afterwards. Every test that reaches the user's folders holds one,
// so tests pass in any order and repeated in one process.
class TFreshHome {
 public:
  TFreshHome();
  ~TFreshHome();
  TFreshHome(const TFreshHome&) = delete;
  TFreshHome& operator=(const TFreshHome&) = delete;

  QString Path() const { return Folder.path(); }
  QString DocumentsFolder() const { return Path() + "/Documents/Tessaryn Puzzle"; }
  QString DataFolder() const { return Path() + "/.local/share/Tessaryn Puzzle"; }
  QString RuntimeFolder() const { return Path() + "/run"; }
  QString PendingResultsFile() const {
    return Path() + "/.local/state/tessaryn-puzzle/pending-results";
  }

 private:
  QTemporaryDir Folder;
  std::vector<std::pair<const char*, std::pair<bool, QByteArray>>> Saved;
};
