// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "app/SingleInstance.h"
#include "localization/Unit_Language.h"
#include "tests/MessageBoxRecorder.h"

namespace {

struct TLockFolder : testing::Test {
  QTemporaryDir Folder;
  QString Lock() const { return Folder.filePath("tessaryn-puzzle.lock"); }
};

}  // namespace

TEST_F(TLockFolder, OneHolderAtATime) {
  {
    TSingleInstanceGuard first, second;
    EXPECT_TRUE(first.Acquire(Lock()));
    EXPECT_FALSE(second.Acquire(Lock()));
  }
  TSingleInstanceGuard later;
  EXPECT_TRUE(later.Acquire(Lock())) << "the lock goes with its holder";
}

TEST_F(TLockFolder, ALockLeftByADeadProcessDoesNotBlock) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    auto* guard = new TSingleInstanceGuard;  // never released: the process just ends
    _exit(guard->Acquire(Lock()) ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  TSingleInstanceGuard guard;
  EXPECT_TRUE(guard.Acquire(Lock()));
}

TEST_F(TLockFolder, SecondStartSaysSoInGermanWhateverTheLanguage) {
  TSingleInstanceGuard running;
  ASSERT_TRUE(EnsureSingleInstance(running, Lock()));
  ApplyLanguage(LangSpanish);
  TMessageBoxRecorder boxes;
  TSingleInstanceGuard second;
  EXPECT_FALSE(EnsureSingleInstance(second, Lock()));
  ASSERT_EQ(boxes.Boxes.size(), 1);
  EXPECT_EQ(boxes.Boxes[0].Kind, TMessageKind::Information);
  EXPECT_EQ(boxes.Boxes[0].Title, "Informationen");
  EXPECT_EQ(boxes.Boxes[0].Text, "Das Tessaryn Puzzle wurde bereits gestartet!");
}
