// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/FreshHome.h"

#include <QDir>
#include <QFile>
#include <cstdlib>

TFreshHome::TFreshHome() {
  const QString home = Folder.path();
  const std::pair<const char*, QString> variables[] = {
      {"HOME", home},
      {"XDG_DATA_HOME", home + "/.local/share"},
      {"XDG_CONFIG_HOME", home + "/.config"},
      {"XDG_CACHE_HOME", home + "/.cache"},
      {"XDG_STATE_HOME", home + "/.local/state"},
      {"XDG_RUNTIME_DIR", home + "/run"},
      {"XDG_DOCUMENTS_DIR", home + "/Documents"},
  };
  for (const auto& [name, value] : variables) {
    Saved.push_back({name, {qEnvironmentVariableIsSet(name), qgetenv(name)}});
    setenv(name, value.toUtf8().constData(), 1);
  }
  QDir().mkpath(RuntimeFolder());
  QFile::setPermissions(RuntimeFolder(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TFreshHome::~TFreshHome() {
  for (const auto& [name, value] : Saved) {
    if (value.first)
      setenv(name, value.second.constData(), 1);
    else
      unsetenv(name);
  }
}
