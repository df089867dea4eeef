// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared entry of the test programs: a fresh home folder, the offscreen
// platform, the program's fonts, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/TessarynApplication.h"

int main(int argc, char** argv) {
  QTemporaryDir home;
  const QByteArray path = home.path().toUtf8();
  setenv("HOME", path.constData(), 1);
  for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
    setenv(name, (path + "/" + name).constData(), 1);
  setenv("XDG_RUNTIME_DIR", (path + "/run").constData(), 1);
  setenv("XDG_DOCUMENTS_DIR", (path + "/Documents").constData(), 1);
  QDir().mkpath(home.path() + "/run");
  QFile::setPermissions(home.path() + "/run",
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);

  QApplication application(argc, argv);
  LoadProgramFonts();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
