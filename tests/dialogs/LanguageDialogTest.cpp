// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "localization/Unit_DLG_Language.h"
#include "tests/dialogs/DialogDatabaseFixture.h"

namespace {

class LanguageDialog : public TDialogDatabaseFixture {
 protected:
  int SettingsRows() {
    return Database->Query("SELECT * FROM tab_setup WHERE Setup_ID=\"SP00000001\"")->RowCount();
  }
  // The language stored in the settings row, read back as at start-up.
  int StoredLang() {
    TSetupDaten current = *SetupData;
    SetupData = std::make_unique<TSetupDaten>();
    LoadSetup();
    const int lang = SetupData->Lang;
    *SetupData = current;
    return lang;
  }
  // Shows the dialog modally; pick runs while it is open.
  int Run(TDLG_Language& dialog, const std::function<void()>& pick) {
    QTimer::singleShot(0, &dialog, [&] {
      pick();
      QTest::mouseClick(&dialog.Button_OK, Qt::LeftButton);
      if (dialog.isVisible()) dialog.done(-1);
    });
    return dialog.exec();
  }
};

}  // namespace

TEST_F(LanguageDialog, LayoutInAllThreeLanguages) {
  TDLG_Language dialog(nullptr);
  EXPECT_EQ(dialog.size(), QSize(313, 197));
  EXPECT_EQ(dialog.windowTitle(), QString("Sprache | Language | Idioma"));
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_EQ(dialog.Label_Lang1->text(), QString("Sprache wählen"));
  EXPECT_EQ(dialog.Label_Lang2->text(), QString("Select Language"));
  EXPECT_EQ(dialog.Label_Lang3->text(), QString("Seleccione Idioma"));
  for (const QLabel* label : {dialog.Label_Lang1, dialog.Label_Lang2, dialog.Label_Lang3}) {
    EXPECT_EQ(label->font().pixelSize(), 13);
    EXPECT_EQ(label->x(), 32);
    EXPECT_EQ(label->palette().color(QPalette::Window), ColorOf(0xE6E8EC));
  }
  EXPECT_EQ(dialog.Label_Lang2->y(), 43);
  EXPECT_EQ(dialog.ComboBox_Lang.geometry(), QRect(32, 88, 253, 24));
  EXPECT_FALSE(dialog.ComboBox_Lang.isEditable());
  EXPECT_EQ(dialog.ComboBox_Lang.BorderColor(), 0x2E303Bu);
  ASSERT_EQ(dialog.ComboBox_Lang.count(), 3);
  EXPECT_EQ(dialog.ComboBox_Lang.itemText(0), QString("Deutsch | German | Alemán"));
  EXPECT_EQ(dialog.ComboBox_Lang.itemText(1), QString("Englisch | English | Inglés"));
  EXPECT_EQ(dialog.ComboBox_Lang.itemText(2), QString("Spanisch | Spanish | Español"));
  EXPECT_EQ(dialog.Button_OK.Caption(), QString("OK"));
  EXPECT_TRUE(dialog.Button_OK.Default());
  EXPECT_EQ(dialog.Button_OK.geometry(), QRect(207, 155, 90, 28));
  // The same texts whatever language is loaded.
  ApplyLanguage(LangSpanish);
  TDLG_Language spanish(nullptr);
  EXPECT_EQ(spanish.windowTitle(), dialog.windowTitle());
  EXPECT_EQ(spanish.ComboBox_Lang.itemText(0), dialog.ComboBox_Lang.itemText(0));
}

TEST_F(LanguageDialog, OkWithoutAChangeSavesNothing) {
  TDLG_Language dialog(nullptr);
  EXPECT_EQ(dialog.ComboBox_Lang.currentIndex(), 0);
  EXPECT_EQ(Run(dialog, [] {}), QDialog::Rejected);
  EXPECT_EQ(SetupData->Lang, 0);
  EXPECT_EQ(SettingsRows(), 0) << "no settings row written";
}

TEST_F(LanguageDialog, ChoosingSpanishSavesCode2) {
  TDLG_Language dialog(nullptr);
  EXPECT_EQ(Run(dialog, [&] { dialog.ComboBox_Lang.setCurrentIndex(2); }), QDialog::Accepted);
  EXPECT_EQ(SetupData->Lang, 2);
  EXPECT_EQ(SettingsRows(), 1);
  EXPECT_EQ(StoredLang(), 2);
}

TEST_F(LanguageDialog, TheStoredLanguageIsPreselected) {
  SetupData->Lang = 1;
  SaveSetup();
  TDLG_Language dialog(nullptr);
  EXPECT_EQ(dialog.ComboBox_Lang.currentIndex(), 1);
  EXPECT_EQ(Run(dialog, [] {}), QDialog::Rejected);
  EXPECT_EQ(StoredLang(), 1);
}

TEST_F(LanguageDialog, AnUnknownStoredCodeShowsGermanAndOkStoresIt) {
  for (int code : {5, -2}) {
    SetupData->Lang = code;
    TDLG_Language dialog(nullptr);
    EXPECT_EQ(dialog.ComboBox_Lang.currentIndex(), 0) << code;
    EXPECT_EQ(Run(dialog, [] {}), QDialog::Accepted) << "0 differs from " << code;
    EXPECT_EQ(SetupData->Lang, 0);
    EXPECT_EQ(StoredLang(), 0);
  }
}

TEST_F(LanguageDialog, NothingSelectedCountsAsGerman) {
  SetupData->Lang = 1;
  TDLG_Language dialog(nullptr);
  EXPECT_EQ(Run(dialog, [&] { dialog.ComboBox_Lang.setCurrentIndex(-1); }), QDialog::Accepted);
  EXPECT_EQ(SetupData->Lang, 0);
}

TEST_F(LanguageDialog, EnterPressesOkAndEscDoesNothing) {
  TDLG_Language dialog(nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QTest::keyClick(&dialog.ComboBox_Lang, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), 0);
  dialog.ComboBox_Lang.setCurrentIndex(1);
  QTest::keyClick(&dialog.ComboBox_Lang, Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(StoredLang(), 1);
}

TEST_F(LanguageDialog, AFailedSaveLeavesTheLanguageAsItWas) {
  SetupData->Lang = 1;
  SaveSetup();
  Raw("PRAGMA query_only = 1");
  TDLG_Language dialog(nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  dialog.ComboBox_Lang.setCurrentIndex(2);
  QTest::mouseClick(&dialog.Button_OK, Qt::LeftButton);
  ASSERT_EQ(Boxes.Boxes.size(), 1) << "the error goes to the error box";
  EXPECT_EQ(Boxes.Boxes[0].Kind, TMessageKind::Error);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(SetupData->Lang, 1);
  Raw("PRAGMA query_only = 0");
  EXPECT_EQ(StoredLang(), 1);
}
