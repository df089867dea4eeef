// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "dialogs/Unit_DLG_Player.h"
#include "tests/dialogs/DialogDatabaseFixture.h"

namespace {

class PlayerDialog : public TDialogDatabaseFixture {
 protected:
  static void Type(TDLG_Player& dialog, const QString& text) {
    dialog.ComboBox_Name.lineEdit()->clear();
    QTest::keyClicks(dialog.ComboBox_Name.lineEdit(), text);
  }
  static void Show(TDLG_Player& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  }
};

}  // namespace

TEST_F(PlayerDialog, TextsLayoutAndEmptyListOnTheFirstGame) {
  TDLG_Player dialog(nullptr);
  EXPECT_EQ(dialog.size(), QSize(361, 234));
  EXPECT_EQ(dialog.windowTitle(), QString("Neues Spiel"));
  EXPECT_EQ(dialog.Label_Text->text(), TxtEnterName);
  EXPECT_TRUE(dialog.Label_Text->wordWrap());
  EXPECT_EQ(dialog.Label_Name->text(), QString("Name:"));
  for (const QLabel* label : {dialog.Label_Text, dialog.Label_Name}) {
    EXPECT_EQ(label->font().pixelSize(), 13);
    EXPECT_TRUE(label->autoFillBackground()) << "opaque";
    EXPECT_EQ(label->palette().color(QPalette::Window), ColorOf(0xE6E8EC));
  }
  EXPECT_EQ(dialog.Label_Text->geometry(), QRect(30, 35, 283, 54));
  EXPECT_EQ(dialog.Button_Start.Caption(), QString("Spiel starten"));
  EXPECT_EQ(dialog.Button_Cancel.Caption(), QString("Abbrechen"));
  EXPECT_TRUE(dialog.Button_Start.Default());
  EXPECT_TRUE(dialog.Button_Cancel.Cancel);
  EXPECT_TRUE(dialog.ComboBox_Name.isEditable());
  EXPECT_EQ(dialog.ComboBox_Name.BorderColor(), 0x2E303Bu);
  EXPECT_EQ(dialog.ComboBox_Name.count(), 0);
  EXPECT_TRUE(dialog.ComboBox_Name.currentText().isEmpty());
  EXPECT_TRUE(Boxes.Boxes.isEmpty());
}

TEST_F(PlayerDialog, ComboBoxBeginsBesideTheLabelAndEndsAt322InEveryLanguage) {
  for (int code : {LangGerman, LangEnglish, LangSpanish}) {
    ApplyLanguage(code);
    TDLG_Player dialog(nullptr);
    const QLabel* label = dialog.Label_Name;
    const QRect combo = dialog.ComboBox_Name.geometry();
    EXPECT_EQ(label->text(), LblName);
    EXPECT_EQ(label->width(), QFontMetrics(label->font()).horizontalAdvance(LblName));
    EXPECT_EQ(combo.left(), label->x() + label->width() + 4) << code;
    EXPECT_EQ(combo.left() + combo.width(), 322) << code;
    EXPECT_EQ(combo.top(), 104);
    EXPECT_EQ(combo.height(), 24);
    EXPECT_EQ(dialog.windowTitle(), CapNewGame);
  }
}

TEST_F(PlayerDialog, TypingANameAndEnterStartsTheGame) {
  TDLG_Player dialog(nullptr);
  QTimer::singleShot(0, &dialog, [&] {
    Type(dialog, "Anna");
    QTest::keyClick(dialog.ComboBox_Name.lineEdit(), Qt::Key_Return);
    if (dialog.isVisible()) dialog.reject();  // keep the test from hanging
  });
  ASSERT_EQ(dialog.exec(), QDialog::Accepted);
  ASSERT_TRUE(PlayerData);
  EXPECT_EQ(PlayerData->Name, QString("Anna"));
  EXPECT_EQ(PlayerData->Datum, QDate::currentDate());
  EXPECT_TRUE(PlayerData->Spieler_ID.isEmpty());
  EXPECT_EQ(dialog.ComboBox_Name.count(), 0) << "Enter adds nothing to the list";
}

TEST_F(PlayerDialog, BlankNameIsRefusedAndTheTextKept) {
  for (const QString& text : {QString(), QString("   "), QString(" \t ")}) {
    Boxes.Boxes.clear();
    TDLG_Player dialog(nullptr);
    Show(dialog);
    dialog.ComboBox_Name.setEditText(text);
    QTest::mouseClick(&dialog.Button_Start, Qt::LeftButton);
    ASSERT_EQ(Boxes.Boxes.size(), 1);
    EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Boxes.Boxes[0].Text, QString("Es wurde kein Name angegeben!"));
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
    EXPECT_EQ(dialog.ComboBox_Name.currentText(), text);
    EXPECT_FALSE(PlayerData);
  }
}

TEST_F(PlayerDialog, MsgNoNameSpeaksTheLanguage) {
  ApplyLanguage(LangEnglish);
  TDLG_Player dialog(nullptr);
  Show(dialog);
  QTest::keyClick(&dialog, Qt::Key_Return);
  ASSERT_EQ(Boxes.Boxes.size(), 1);
  EXPECT_EQ(Boxes.Boxes[0].Text, QString("No name was given!"));
  EXPECT_EQ(Boxes.Boxes[0].Title, QString("Fehler"));
}

TEST_F(PlayerDialog, BlanksAroundTheNameAreKept) {
  TDLG_Player dialog(nullptr);
  Show(dialog);
  Type(dialog, "  Bob  ");
  QTest::mouseClick(&dialog.Button_Start, Qt::LeftButton);
  EXPECT_TRUE(Boxes.Boxes.isEmpty());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ASSERT_TRUE(PlayerData);
  EXPECT_EQ(PlayerData->Name, QString("  Bob  "));
}

TEST_F(PlayerDialog, ANameChosenFromTheList) {
  AddResult("Anna", QDate(2010, 5, 17), 90);
  AddResult("Bob", QDate(2010, 5, 18), 130);
  AddResult("Anna", QDate(2010, 5, 19), 100);
  AddResult("anna", QDate(2010, 5, 19), 100);
  TDLG_Player dialog(nullptr);
  ASSERT_EQ(dialog.ComboBox_Name.count(), 3) << "distinct by exact text";
  EXPECT_EQ(dialog.ComboBox_Name.currentIndex(), -1);
  EXPECT_TRUE(dialog.ComboBox_Name.currentText().isEmpty());
  QStringList items;
  for (int i = 0; i < dialog.ComboBox_Name.count(); ++i) items << dialog.ComboBox_Name.itemText(i);
  EXPECT_TRUE(items.contains("Bob"));
  Show(dialog);
  dialog.ComboBox_Name.setCurrentIndex(static_cast<int>(items.indexOf("Bob")));
  QTest::mouseClick(&dialog.Button_Start, Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ASSERT_TRUE(PlayerData);
  EXPECT_EQ(PlayerData->Name, QString("Bob"));
}

TEST_F(PlayerDialog, AnExistingRecordIsReused) {
  PlayerData = std::make_unique<TSpielerDaten>();
  PlayerData->Spieler_ID = "SR00000007";
  PlayerData->Datum = QDate(2001, 1, 1);
  TSpielerDaten* before = PlayerData.get();
  TDLG_Player dialog(nullptr);
  Show(dialog);
  Type(dialog, "Carla");
  QTest::mouseClick(&dialog.Button_Start, Qt::LeftButton);
  EXPECT_EQ(PlayerData.get(), before);
  EXPECT_EQ(PlayerData->Name, QString("Carla"));
  EXPECT_TRUE(PlayerData->Spieler_ID.isEmpty());
  EXPECT_EQ(PlayerData->Datum, QDate::currentDate());
}

TEST_F(PlayerDialog, EscAndCancelLeavePlayerDataUntouched) {
  {
    TDLG_Player dialog(nullptr);
    QTimer::singleShot(0, &dialog, [&] {
      Type(dialog, "Dora");
      QTest::keyClick(dialog.ComboBox_Name.lineEdit(), Qt::Key_Escape);
      if (dialog.isVisible()) dialog.accept();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(PlayerData);
  }
  PlayerData = std::make_unique<TSpielerDaten>();
  PlayerData->Name = "Earlier";
  {
    TDLG_Player dialog(nullptr);
    Show(dialog);
    Type(dialog, "Dora");
    QTest::mouseClick(&dialog.Button_Cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(PlayerData->Name, QString("Earlier"));
  }
  {
    TDLG_Player dialog(nullptr);
    Show(dialog);
    Type(dialog, "Dora");
    dialog.close();  // the close box
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(PlayerData->Name, QString("Earlier"));
  }
  EXPECT_TRUE(Boxes.Boxes.isEmpty());
}

TEST_F(PlayerDialog, MissingResultsTableGivesAnEmptyListSilently) {
  Raw("DROP TABLE tab_spieler");
  TDLG_Player dialog(nullptr);
  EXPECT_EQ(dialog.ComboBox_Name.count(), 0);
  EXPECT_TRUE(Boxes.Boxes.isEmpty());
}

TEST_F(PlayerDialog, AReadErrorIsShownAndTheDialogStillOpens) {
  Raw("DROP TABLE tab_spieler");
  Raw("CREATE TABLE tab_spieler (Spieler_ID TEXT)");  // no Name column: the query fails
  TDLG_Player dialog(nullptr);
  ASSERT_EQ(Boxes.Boxes.size(), 1);
  EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Error);
  EXPECT_EQ(dialog.ComboBox_Name.count(), 0);
  EXPECT_EQ(dialog.windowTitle(), QString("Neues Spiel"));
  EXPECT_EQ(dialog.Button_Start.Caption(), QString("Spiel starten"));
}

TEST_F(PlayerDialog, APastedNulIsDroppedAndEveryOtherCharacterKept) {
  const struct {
    QString Pasted, Stored;
  } cases[] = {
      {QString::fromUtf16(u"An\u0000na\u0001\t", 7), QString::fromUtf16(u"Anna\u0001\t")},
      {QString::fromUtf16(u"\u0000Bob\u0000", 5), QString("Bob")},
  };
  for (const auto& c : cases) {
    PlayerData.reset();
    TDLG_Player dialog(nullptr);
    Show(dialog);
    QGuiApplication::clipboard()->setText(c.Pasted);
    QTest::keyClick(dialog.ComboBox_Name.lineEdit(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(dialog.ComboBox_Name.currentText(), c.Pasted) << "pasted as it is";
    QTest::mouseClick(&dialog.Button_Start, Qt::LeftButton);
    ASSERT_TRUE(PlayerData);
    EXPECT_EQ(PlayerData->Name, c.Stored);
  }
  PlayerData.reset();
  TDLG_Player dialog(nullptr);
  Show(dialog);
  QGuiApplication::clipboard()->setText(QString(3, QChar(u'\0')));
  QTest::keyClick(dialog.ComboBox_Name.lineEdit(), Qt::Key_V, Qt::ControlModifier);
  QTest::mouseClick(&dialog.Button_Start, Qt::LeftButton);
  ASSERT_EQ(Boxes.Boxes.size(), 1) << "nothing but NULs is no name";
  EXPECT_EQ(Boxes.Boxes[0].Text, QString("Es wurde kein Name angegeben!"));
  EXPECT_FALSE(PlayerData);
}
