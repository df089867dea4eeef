// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared entry of the test programs: a fresh home folder, the offscreen
// platform, the program's fonts, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/TessarynApplication.h"
#include "tests/FreshHome.h"

int main(int argc, char** argv) {
  TFreshHome home;  // tests that write there hold a fresh one of their own
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);

  QApplication application(argc, argv);
  LoadProgramFonts();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
