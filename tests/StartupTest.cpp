// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "app/Program.h"
#include "app/Unit_Tessaryn.h"
#include "dialogs/Unit_DLG_Player.h"
#include "localization/Unit_Language.h"
#include "media/ScreenPlacement.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"
#include "tests/ChildWithPipe.h"
#include "tests/DatabaseFixture.h"
#include "tests/Eventually.h"
#include "tests/FreshHome.h"
#include "tests/GameFixture.h"
#include "tests/MainWindowProbe.h"
#include "tests/MessageBoxRecorder.h"

namespace {

// A home folder of its own for every test: the program's folders are made fresh.
struct TStartup : testing::Test {
  TFreshHome Home;
  TFixedRandom Random{3};
  TMessageBoxRecorder Boxes;

  QString DocumentsFolder() const { return Home.DocumentsFolder(); }
  QString DataFolder() const { return Home.DataFolder(); }
  void MakeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  void ExpectStartupFails(const QString& message) {
    EXPECT_THROW(TForm_Tessaryn form(&Random), EStartupFailed);
    EXPECT_EQ(MainWindow(), nullptr) << "a failed start leaves no main window for the dialogs";
    ASSERT_EQ(Boxes.Boxes.size(), 1);
    EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Boxes.Boxes[0].Text, message);
    Boxes.Boxes.clear();
    EXPECT_EQ(RunProgram(&Random), 1) << "the program ends with a failure status";
  }
};

}  // namespace

TEST_F(TStartup, AFirstStartMakesTheFoldersTheDatabaseAndItsTables) {
  TForm_Tessaryn form(&Random);
  EXPECT_TRUE(QFileInfo(DataFolder()).isDir());
  EXPECT_TRUE(QFileInfo(DocumentsFolder()).isDir());
  EXPECT_EQ(DatabaseFile, DocumentsFolder() + "/Tessaryn.dbs");
  EXPECT_TRUE(QFileInfo::exists(DatabaseFile));
  EXPECT_TRUE(Database->HasTable("tab_setup"));
  EXPECT_TRUE(Database->HasTable("tab_spieler"));
  EXPECT_TRUE(Boxes.Boxes.isEmpty());
  EXPECT_FALSE(Probe(form).Game.Playing);
  EXPECT_EQ(Probe(form).Button_Time.Caption(), "00:00:00");
  EXPECT_EQ(Probe(form).Button_Play.toolTip(), "Neues Spiel starten (F5)");
  EXPECT_TRUE(Probe(form).Game.TargetIndex >= 1 && Probe(form).Game.TargetIndex <= 25);
  EXPECT_TRUE(Probe(form).KeyboardHook.Installed());
  EXPECT_EQ(Probe(form).Sounds.Output.Volume(), 50);
  EXPECT_FALSE(FirstRunDone());
}

TEST_F(TStartup, TheStoredLanguageAndVolumeAreUsed) {
  {
    TForm_Tessaryn first(&Random);
    SetupData->Lang = LangSpanish;
    SetupData->Volume = 80;
    SaveSetup();
  }
  TForm_Tessaryn form(&Random);
  EXPECT_EQ(Probe(form).Button_Help.toolTip(), "Ayuda (F1)");
  EXPECT_EQ(Probe(form).Sounds.Output.Volume(), 80);
  ApplyLanguage(LangGerman);
}

TEST_F(TStartup, AStoredLanguageCodeThatIsNoLanguageShowsGerman) {
  for (int code : {3, 7, -1, -2147483647}) {
    {
      TForm_Tessaryn first(&Random);
      SetupData->Lang = code;
      SaveSetup();
    }
    ApplyLanguage(LangSpanish);
    TForm_Tessaryn form(&Random);
    EXPECT_EQ(Probe(form).Button_Play.toolTip(), "Neues Spiel starten (F5)") << code;
    EXPECT_EQ(CapNewGame, "Neues Spiel") << code;
  }
}

TEST_F(TStartup, AFolderPathTakenByAFileEndsTheStart) {
  MakeFile(Home.Path() + "/Documents", "not a folder");
  ExpectStartupFails("Verzeichnis für die Programmdaten konnte nicht angelegt werden!");
}

TEST_F(TStartup, ASettingsFolderPathTakenByAFileEndsTheStart) {
  MakeFile(Home.Path() + "/.local/share/Tessaryn Puzzle", "not a folder");
  ExpectStartupFails("Verzeichnis für die Einstellungen konnte nicht angelegt werden!");
}

TEST_F(TStartup, AFileThatIsNoDatabaseEndsTheStartAndStaysUntouched) {
  QByteArray bytes(8192, '\x5A');
  bytes.replace(0, 16, "SQLite format 2\n");
  MakeFile(DocumentsFolder() + "/Tessaryn.dbs", bytes);
  ExpectStartupFails("Fehler beim Öffnen der Datenbank! Das Programm wird beendet.\n" +
                     DocumentsFolder() + "/Tessaryn.dbs");
  QFile file(DocumentsFolder() + "/Tessaryn.dbs");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), bytes);
  EXPECT_EQ(QDir(DocumentsFolder()).entryList(QDir::Files), QStringList{"Tessaryn.dbs"});
}

TEST_F(TStartup, ADatabaseThatCannotBeOpenedEndsTheStart) {
  QDir().mkpath(DocumentsFolder() + "/Tessaryn.dbs");
  ExpectStartupFails("Fehler beim Öffnen der Datenbank! Das Programm wird beendet.\n" +
                     DocumentsFolder() + "/Tessaryn.dbs");
}

TEST_F(TStartup, TheFirstActivationPlaysTheIntroOnce) {
  TForm_Tessaryn form(&Random);
  QStringList dialogs;
  Boxes.OnDialog = [&](QDialog& dialog) {
    dialogs << dialog.metaObject()->className();
    return int(QDialog::Rejected);
  };
  SetupData->Sound = false;
  SetupData->Music = false;
  form.show();
  form.FormActivate();
  ASSERT_NE(Probe(form).IntroForm.get(), nullptr);
  EXPECT_TRUE(
      Probe(form).Sounds.Output.IsActive(Probe(form).Sounds.Channels[TGameSounds::SlotIntro]))
      << "the intro music plays whatever the settings say";
  QPointer<TForm_Intro> intro = Probe(form).IntroForm.get();
  form.FormActivate();
  EXPECT_EQ(Probe(form).IntroForm.get(), intro.data()) << "later activations do nothing";
  QTest::keyClick(intro.data(), Qt::Key_Escape);
  ASSERT_EVENTUALLY(intro.isNull());  // released after its tick
  EXPECT_EQ(Probe(form).IntroForm.get(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the pointer is back";
  EXPECT_EQ(dialogs, QStringList{"TDLG_Language"}) << "then the first start asks for the language";
}

// The intro's timer ends the intro and asks whether this is the first start;
// a database locked elsewhere then is told, and the question waits for a start
// that can read it.
TEST_F(TStartup, ADatabaseLockedWhenTheIntroEndsIsToldAndTheQuestionWaits) {
  TForm_Tessaryn form(&Random);
  QStringList dialogs;
  Boxes.OnDialog = [&](QDialog& dialog) {
    dialogs << dialog.metaObject()->className();
    return int(QDialog::Rejected);
  };
  SetupData->Sound = false;
  SetupData->Music = false;
  form.show();
  form.FormActivate();
  QPointer<TForm_Intro> intro = Probe(form).IntroForm.get();
  ASSERT_FALSE(intro.isNull());
  Database->SetBusyTimeout(100);
  {
    TLockedElsewhere lock(DatabaseFile);
    QTest::keyClick(intro.data(), Qt::Key_Escape);
    ASSERT_EVENTUALLY(intro.isNull());
  }
  ASSERT_EQ(Boxes.Boxes.size(), 1);
  EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Error);
  EXPECT_EQ(Boxes.Boxes[0].Text, "Could not prepare SQL statement");
  EXPECT_TRUE(dialogs.isEmpty()) << "no question while the database cannot tell";
  EXPECT_FALSE(FirstRunDone());
}

TEST_F(TStartup, ClosingAsksAndARunningGameGoesOnAfterNo) {
  auto form = std::make_unique<TForm_Tessaryn>(&Random);
  Boxes.OnDialog = [](QDialog& dialog) {
    auto* player = qobject_cast<TDLG_Player*>(&dialog);
    if (!player) return int(QDialog::Rejected);
    player->ComboBox_Name.setEditText("Bo");
    player->Button_StartClick();
    return player->result();
  };
  Probe(*form).FirstActivation = false;
  form->show();
  form->Button_PlayClick();
  ASSERT_TRUE(Probe(*form).Game.Playing);
  Boxes.Answers = {false};
  form->Button_CloseClick();
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(Probe(*form).Game.Playing);
  EXPECT_TRUE(Probe(*form).TimerCounter.isActive());
  Boxes.Answers = {true};
  form->Button_CloseClick();
  EXPECT_FALSE(form->isVisible());
  form.reset();
  EXPECT_EQ(SetupData, nullptr);
  EXPECT_EQ(PlayerData, nullptr);
}

// Without a home folder of the player's own, Qt would take "/" for it: a run as
// root then wrote its database to /Documents and its data to /.local/share.
// Each case runs in a child process, whose environment is its own.
TEST_F(TStartup, WithoutAUsableHomeTheStartFailsAndWritesNothing) {
  const bool rootHadDocuments = QFileInfo::exists("/Documents/Tessaryn Puzzle");
  const bool rootHadData = QFileInfo::exists("/.local/share/Tessaryn Puzzle");
  for (const char* home :
       {static_cast<const char*>(nullptr), "", "/", "relative/home", "(missing folder)"}) {
    QTemporaryDir workingFolder;
    // A home that does not exist lies in the working folder, which must stay empty.
    const QByteArray missing = (workingFolder.path() + "/no-home").toUtf8();
    if (home && std::string(home) == "(missing folder)") home = missing.constData();
    TChildWithPipe child([&](int writeEnd) {
      for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                               "XDG_STATE_HOME", "XDG_DOCUMENTS_DIR"})
        unsetenv(name);
      if (home) setenv("HOME", home, 1);
      if (chdir(workingFolder.path().toLocal8Bit().constData()) != 0) _exit(3);
      // The window is made, never shown: a start that went through ends the child
      // with 0 (RunProgram turns the failed start into status 1, as the tests above show).
      int status = 0;
      try {
        TForm_Tessaryn form(&Random);
      } catch (const EStartupFailed&) {
        status = 1;
      }
      QByteArray texts;
      for (const auto& box : Boxes.Boxes) texts += box.Text.toUtf8() + '\n';
      if (write(writeEnd, texts.constData(), static_cast<size_t>(texts.size())) < 0) _exit(4);
      _exit(status);
    });
    ASSERT_TRUE(child.Started());
    QByteArray texts;
    char buffer[512];
    for (ssize_t got; (got = read(child.ReadEnd, buffer, sizeof buffer)) > 0;)
      texts.append(buffer, got);
    int status = 0;
    ASSERT_EQ(waitpid(child.Pid, &status, 0), child.Pid);
    const std::string label = home ? home : "(unset)";
    ASSERT_TRUE(WIFEXITED(status)) << label;
    EXPECT_EQ(WEXITSTATUS(status), 1) << label << ": the start must fail";
    EXPECT_EQ(QString::fromUtf8(texts),
              "Verzeichnis für die Einstellungen konnte nicht angelegt werden!\n")
        << label;
    EXPECT_TRUE(QDir(workingFolder.path()).isEmpty()) << label;
    EXPECT_EQ(QFileInfo::exists("/Documents/Tessaryn Puzzle"), rootHadDocuments) << label;
    EXPECT_EQ(QFileInfo::exists("/.local/share/Tessaryn Puzzle"), rootHadData) << label;
  }
}
