// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "persistence/PendingResults.h"
#include "persistence/SQLUtils.h"
#include "tests/ChildWithPipe.h"
#include "tests/DatabaseFixture.h"

namespace {

// A database with its tables, a file for waiting results and a second program
// that can hold the write lock for as long as it likes.
class TPending : public TDatabaseFixture {
 protected:
  void SetUp() override {
    TDatabaseFixture::SetUp();
    ASSERT_TRUE(CreateTables());
    SetPendingResultsFile(PendingFile());
    Database->SetBusyTimeout(50);
    PlayerData->Name = "Anna";
    PlayerData->Datum = QDate(2026, 12, 11);
    PlayerData->Spielzeit = std::chrono::seconds(247);
  }
  void TearDown() override {
    Unlock();
    TDatabaseFixture::TearDown();
  }

  QString PendingFile() const { return Folder.filePath("state/tessaryn-puzzle/pending-results"); }
  void Lock() {
    ASSERT_EQ(sqlite3_open(FilePath().toUtf8().constData(), &Other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(Other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  }
  void Unlock() {
    if (!Other) return;
    sqlite3_exec(Other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(Other);
    Other = nullptr;
  }
  // The refused write of a finished game, as the result recording does it.
  void FinishRefusedGame() {
    QString id;
    EXPECT_NE(ErrorOf([&] { (void)InsertResult(id); }), "(no error)");
    EXPECT_TRUE(KeepPendingResult(*PlayerData));
  }
  QStringList Stored() {
    QStringList rows;
    const auto list = QueryHighscoreList();
    for (; !list->AtEnd(); list->MoveNext())
      rows << list->CellText(list->ColumnIndex("Name")) + "|" +
                  list->CellText(list->ColumnIndex("Datum")) + "|" +
                  list->CellText(list->ColumnIndex("Spielzeit"));
    return rows;
  }

  sqlite3* Other = nullptr;
};

}  // namespace

TEST_F(TPending, ARefusedResultWaitsInAPrivateFileAndIsStoredOnceTheLockIsGone) {
  Lock();
  FinishRefusedGame();
  struct stat info {};
  ASSERT_EQ(stat(QFile::encodeName(PendingFile()).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  ASSERT_EQ(PendingResults().size(), 1u);
  EXPECT_EQ(PendingResults()[0].Name, "Anna");
  EXPECT_EQ(StorePendingResults(), 0) << "still locked";
  EXPECT_EQ(PendingResults().size(), 1u);

  Unlock();
  EXPECT_EQ(StorePendingResults(), 1);
  EXPECT_EQ(Stored(), QStringList{"Anna|2026-12-11|00:04:07"});
  EXPECT_TRUE(PendingResults().empty());
  EXPECT_FALSE(QFileInfo::exists(PendingFile())) << "nothing left to wait";
  EXPECT_EQ(StorePendingResults(), 0);
  EXPECT_EQ(Stored().size(), 1);
}

TEST_F(TPending, AResultWaitsInMemoryWhenItsFileCannotBeWritten) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(PendingFile()).path()));
  ASSERT_TRUE(QDir().mkdir(PendingFile()));  // a folder where the file should go
  Lock();
  QString id;
  EXPECT_NE(ErrorOf([&] { (void)InsertResult(id); }), "(no error)");
  EXPECT_FALSE(KeepPendingResult(*PlayerData));
  Unlock();
  EXPECT_EQ(StorePendingResults(), 1);
  EXPECT_EQ(Stored().size(), 1);
}

// A kill after the commit, before the file was rewritten, leaves the result in
// the file and in the database: the next start must not store it again.
TEST_F(TPending, AKillBetweenTheCommitAndTheFileRewriteStoresNothingTwice) {
  Lock();
  FinishRefusedGame();
  PlayerData->Name = "Ben";
  FinishRefusedGame();
  Unlock();
  QFile file(PendingFile());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  file.close();
  EXPECT_EQ(StorePendingResults(), 2);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(before);
  file.close();
  ForgetPendingResultsInMemory();  // the restart

  StorePendingResults();
  EXPECT_EQ(Stored().size(), 2);
  EXPECT_TRUE(PendingResults().empty());
}

// A game refused in one run, the run killed, and the next start stores it, once.
TEST_F(TPending, AWaitingResultSurvivesAKillAndIsStoredOnceAtTheNextStart) {
  Lock();
  Database.reset();
  TChildWithPipe child([&](int writeEnd) {
    Database = std::make_unique<TSQLiteDatabase>(FilePath());
    Database->SetBusyTimeout(50);
    QString id;
    bool refused = false;
    try {
      (void)InsertResult(id);
    } catch (const ESQLiteException&) {
      refused = true;
    }
    if (refused && KeepPendingResult(*PlayerData)) {
      if (write(writeEnd, "k", 1) != 1) _exit(3);
    }
    for (;;) pause();
  });
  ASSERT_TRUE(child.Started());
  char answer = 0;
  ASSERT_EQ(read(child.ReadEnd, &answer, 1), 1);
  kill(child.Pid, SIGKILL);
  waitpid(child.Pid, nullptr, 0);
  Unlock();

  // The next start: a new connection, the file of the waiting results.
  Database = std::make_unique<TSQLiteDatabase>(FilePath());
  ASSERT_TRUE(CreateTables());
  EXPECT_EQ(StorePendingResults(), 1);
  EXPECT_EQ(StorePendingResults(), 0);
  EXPECT_EQ(Stored(), QStringList{"Anna|2026-12-11|00:04:07"});
}
