// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>

#include "dialogs/Unit_DLG_Setup.h"
#include "localization/Unit_Language.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"
#include "tests/Eventually.h"
#include "tests/dialogs/DialogDatabaseFixture.h"

namespace {

class SetupDialog : public TDialogDatabaseFixture {
 protected:
  // What the settings row holds, read back the program's way; nullopt without a row.
  std::optional<TSetupDaten> StoredSettings() {
    if (Database->Query("SELECT Setup_ID FROM tab_setup WHERE Setup_ID=\"SP00000001\"")
            ->RowCount() == 0)
      return std::nullopt;
    auto keep = std::move(SetupData);
    SetupData = std::make_unique<TSetupDaten>();
    LoadSetup();
    TSetupDaten stored = *SetupData;
    SetupData = std::move(keep);
    return stored;
  }

  static void Show(TDLG_Setup& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }
  static void ClickBox(TVistaQuadCheckBox& box) {
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(7, 7));
  }
  static void ClickButton(TTrovGameButton& button) {
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
  }
};

bool SameSettings(const TSetupDaten& a, const TSetupDaten& b) {
  return a.Sound == b.Sound && a.Music == b.Music && a.Volume == b.Volume && a.Lang == b.Lang;
}

}  // namespace

TEST_F(SetupDialog, ControlsAreFilledFromTheSettings) {
  struct TCase {
    TSetupDaten Stored;
    int Position, Index;
    const char* Number;
  };
  const TCase cases[] = {
      {{true, true, 50, 0}, 50, 0, "50"},     {{false, true, 0, 1}, 0, 1, "0"},
      {{true, false, 150, 2}, 100, 2, "100"},  // the bar clamps
      {{false, false, -7, 3}, 0, 0, "0"},      // unknown language: first item
      {{true, true, 100, -2}, 100, 0, "100"},
  };
  for (const TCase& c : cases) {
    *SetupData = c.Stored;
    TDLG_Setup dialog;
    SCOPED_TRACE(c.Number);
    EXPECT_EQ(dialog.CheckBox_Sound.Checked(), c.Stored.Sound);
    EXPECT_EQ(dialog.CheckBox_Music.Checked(), c.Stored.Music);
    EXPECT_EQ(dialog.ScrollBar_Volume.value(), c.Position);
    EXPECT_EQ(dialog.Label_Volume->text(), c.Number);
    EXPECT_EQ(dialog.ComboBox_Lang.currentIndex(), c.Index);
  }
}

TEST_F(SetupDialog, GermanTextsAndGeometry) {
  TDLG_Setup dialog;
  EXPECT_EQ(dialog.size(), QSize(313, 272));
  EXPECT_EQ(dialog.windowTitle(), "Einstellungen");
  EXPECT_EQ(dialog.Shape1.geometry(), QRect(16, 16, 281, 201));
  EXPECT_EQ(dialog.Label_Lang->text(), "Sprache:");
  EXPECT_EQ(dialog.Label_Lang->pos(), QPoint(32, 30));
  EXPECT_EQ(dialog.ComboBox_Lang.geometry(), QRect(32, 48, 253, 24));
  ASSERT_EQ(dialog.ComboBox_Lang.count(), 3);
  EXPECT_EQ(dialog.ComboBox_Lang.itemText(0), "Deutsch");
  EXPECT_EQ(dialog.ComboBox_Lang.itemText(1), "Englisch");
  EXPECT_EQ(dialog.ComboBox_Lang.itemText(2), "Spanisch");
  EXPECT_FALSE(dialog.ComboBox_Lang.isEditable());

  EXPECT_EQ(dialog.CheckBox_Sound.Caption(), "Töne einschalten");
  EXPECT_EQ(dialog.CheckBox_Music.Caption(), "Hintergrundmusik abspielen");
  for (TVistaQuadCheckBox* box : {&dialog.CheckBox_Sound, &dialog.CheckBox_Music}) {
    EXPECT_EQ(box->Style(), TStyle::sGRAY);
    EXPECT_EQ(box->CheckSymbol(), TCheckSymbol::sCross);
    EXPECT_EQ(box->Color(), 0xE6E8EC);
    EXPECT_EQ(box->size(),
              QSize(QFontMetrics(box->Font()).horizontalAdvance(box->Caption()) + 22, 15));
  }
  EXPECT_EQ(dialog.CheckBox_Sound.pos(), QPoint(32, 93));
  EXPECT_EQ(dialog.CheckBox_Music.pos(), QPoint(32, 121));

  EXPECT_EQ(dialog.Label_Volume_Caption->text(), "Lautstärke:");
  EXPECT_EQ(dialog.Label_Volume_Caption->pos(), QPoint(32, 158));
  EXPECT_EQ(dialog.ScrollBar_Volume.geometry(), QRect(32, 178, 225, 17));
  EXPECT_EQ(dialog.ScrollBar_Volume.orientation(), Qt::Horizontal);
  EXPECT_EQ(dialog.ScrollBar_Volume.minimum(), 0);
  EXPECT_EQ(dialog.ScrollBar_Volume.maximum(), 100);
  EXPECT_EQ(dialog.Label_Volume->pos(), QPoint(264, 179));

  EXPECT_EQ(dialog.Button_OK.geometry(), QRect(96, 230, 90, 28));
  EXPECT_EQ(dialog.Button_OK.Caption(), "OK");
  EXPECT_TRUE(dialog.Button_OK.Default());
  EXPECT_EQ(dialog.Button_Cancel.geometry(), QRect(192, 230, 105, 28));
  EXPECT_EQ(dialog.Button_Cancel.Caption(), "Abbrechen");
  EXPECT_TRUE(dialog.Button_Cancel.Cancel);
  EXPECT_EQ(dialog.Timer1.interval(), 300);
  EXPECT_TRUE(dialog.Timer1.isActive());
}

TEST_F(SetupDialog, LooksAsDrawn) {
  SetupData->Music = false;
  TDLG_Setup dialog;
  Show(dialog);
  const QImage image = dialog.grab().toImage();
  struct TPixel {
    int X, Y;
    TColor Color;
  };
  const TPixel pixels[] = {
      {5, 0, 0xB7BDC8},                          // the background gradient, top
      {5, 271, 0x555E6C},                        // and bottom
      {16, 16, 0x2E303B},                        // the panel's border
      {296, 216, 0x2E303B}, {32, 30, 0xE6E8EC},  // the labels stand on the panel's colour
      {32, 158, 0xE6E8EC},  {264, 179, 0xE6E8EC},
      {32, 93, 0xCECAC5},   // grey box: open corner shows the gradient top
      {39, 93, 0x707070},   // its frame
      {39, 100, 0x6D5C53},  // the cross of the checked sound box
  };
  for (const TPixel& p : pixels) {
    EXPECT_EQ(image.pixel(p.X, p.Y), RgbOf(p.Color)) << p.X << "," << p.Y;
  }
  EXPECT_NE(image.pixel(39, 128), RgbOf(0x6D5C53)) << "music is off: no cross";
}

TEST_F(SetupDialog, EnglishTexts) {
  ApplyLanguage(LangEnglish);
  TDLG_Setup dialog;
  EXPECT_EQ(dialog.windowTitle(), "Settings");
  EXPECT_EQ(dialog.Label_Lang->text(), "Language:");
  EXPECT_EQ(dialog.ComboBox_Lang.itemText(0), "German");
  EXPECT_EQ(dialog.ComboBox_Lang.itemText(1), "English");
  EXPECT_EQ(dialog.ComboBox_Lang.itemText(2), "Spanish");
  EXPECT_EQ(dialog.CheckBox_Sound.Caption(), "Sound on");
  EXPECT_EQ(dialog.CheckBox_Music.Caption(), "Play background music");
  EXPECT_EQ(dialog.Label_Volume_Caption->text(), "Volume:");
  EXPECT_EQ(dialog.Button_OK.Caption(), "OK");
  EXPECT_EQ(dialog.Button_Cancel.Caption(), "Cessation");
  const QFontMetrics metrics(dialog.CheckBox_Music.Font());
  EXPECT_EQ(dialog.CheckBox_Music.width(), metrics.horizontalAdvance("Play background music") + 22);
}

TEST_F(SetupDialog, OkStoresAllFourSettings) {
  TDLG_Setup dialog;
  Show(dialog);
  ClickBox(dialog.CheckBox_Sound);
  dialog.ScrollBar_Volume.setValue(80);
  dialog.ComboBox_Lang.setCurrentIndex(2);
  ClickButton(dialog.Button_OK);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const TSetupDaten wanted{false, true, 80, 2};
  EXPECT_TRUE(SameSettings(*SetupData, wanted));
  const auto stored = StoredSettings();
  ASSERT_TRUE(stored);
  EXPECT_TRUE(SameSettings(*stored, wanted));
}

TEST_F(SetupDialog, EnterIsOkAndSavesEvenWithoutChanges) {
  SetupData->Volume = 150;
  TDLG_Setup dialog;
  Show(dialog);
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const auto stored = StoredSettings();
  ASSERT_TRUE(stored) << "the row is written whether or not anything changed";
  EXPECT_TRUE(SameSettings(*stored, TSetupDaten{true, true, 100, 0}));
}

TEST_F(SetupDialog, CancelEscAndCloseChangeNothing) {
  enum TWay { CancelButton, EscKey, CloseBox };
  for (TWay way : {CancelButton, EscKey, CloseBox}) {
    *SetupData = TSetupDaten{true, false, 30, 1};
    TDLG_Setup dialog;
    Show(dialog);
    ClickBox(dialog.CheckBox_Sound);
    ClickBox(dialog.CheckBox_Music);
    dialog.ScrollBar_Volume.setValue(90);
    dialog.ComboBox_Lang.setCurrentIndex(0);
    if (way == CancelButton) ClickButton(dialog.Button_Cancel);
    if (way == EscKey) QTest::keyClick(&dialog, Qt::Key_Escape);
    if (way == CloseBox) dialog.close();
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << way;
    EXPECT_TRUE(SameSettings(*SetupData, TSetupDaten{true, false, 30, 1})) << way;
    EXPECT_FALSE(StoredSettings()) << way;
  }
}

TEST_F(SetupDialog, VolumeNumberFollowsTheBar) {
  TDLG_Setup dialog;
  Show(dialog);
  dialog.ScrollBar_Volume.setFocus();
  QTest::keyClick(&dialog.ScrollBar_Volume, Qt::Key_Right);
  EXPECT_EQ(dialog.Label_Volume->text(), "51");
  QTest::keyClick(&dialog.ScrollBar_Volume, Qt::Key_End);
  EXPECT_EQ(dialog.Label_Volume->text(), "100");
  dialog.ScrollBar_Volume.setValue(7);
  EXPECT_EQ(dialog.Label_Volume->text(), "7");
  EXPECT_EQ(dialog.Label_Volume->width(),
            QFontMetrics(dialog.Label_Volume->font()).horizontalAdvance("7"));
  EXPECT_EQ(SetupData->Volume, 50) << "nothing is applied before OK";
}

TEST_F(SetupDialog, TimerGreysTheBarWhileNothingSounds) {
  TDLG_Setup dialog;
  Show(dialog);
  ClickBox(dialog.CheckBox_Sound);
  dialog.Timer1Timer();
  EXPECT_TRUE(dialog.ScrollBar_Volume.isEnabled()) << "music is still on";
  ClickBox(dialog.CheckBox_Music);
  dialog.Timer1Timer();
  EXPECT_FALSE(dialog.ScrollBar_Volume.isEnabled());
  dialog.ScrollBar_Volume.setValue(20);
  ClickBox(dialog.CheckBox_Sound);
  dialog.Timer1Timer();
  EXPECT_TRUE(dialog.ScrollBar_Volume.isEnabled());
  ClickBox(dialog.CheckBox_Sound);
  dialog.Timer1Timer();
  ClickButton(dialog.Button_OK);
  EXPECT_EQ(SetupData->Volume, 20) << "a greyed bar's position is stored too";
  EXPECT_FALSE(SetupData->Sound);
  EXPECT_FALSE(SetupData->Music);
}

TEST_F(SetupDialog, ChosenLanguageShowsInTheNextDialog) {
  ApplyLanguage(LangEnglish);
  SetupData->Lang = LangEnglish;
  {
    TDLG_Setup dialog;
    Show(dialog);
    dialog.ComboBox_Lang.setCurrentIndex(2);
    EXPECT_EQ(dialog.windowTitle(), "Settings") << "this dialog keeps its language";
    EXPECT_EQ(dialog.CheckBox_Sound.Caption(), "Sound on");
    // The caller's side: exec, and on OK apply the language.
    QTimer::singleShot(0, &dialog, [&] { ClickButton(dialog.Button_OK); });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
  }
  EXPECT_EQ(SetupData->Lang, LangSpanish);
  ApplyLanguage(SetupData->Lang);
  TDLG_Setup next;
  EXPECT_EQ(next.windowTitle(), "Configuración");
  EXPECT_EQ(next.ComboBox_Lang.currentIndex(), 2);
  EXPECT_EQ(next.ComboBox_Lang.currentText(), "Español");
  EXPECT_EQ(next.CheckBox_Music.Caption(), "Reproducir música de fondo");
  EXPECT_EQ(next.Button_Cancel.Caption(), "Cancelar");
}

TEST_F(SetupDialog, CancelAfterAFailedSaveLeavesTheSettingsAsTheyWere) {
  *SetupData = TSetupDaten{true, false, 30, 1};
  SaveSetup();
  Raw("PRAGMA query_only = 1");  // as a read-only file would
  TDLG_Setup dialog;
  Show(dialog);
  ClickBox(dialog.CheckBox_Sound);
  ClickBox(dialog.CheckBox_Music);
  dialog.ComboBox_Lang.setCurrentIndex(2);
  ClickButton(dialog.Button_OK);
  ASSERT_EQ(Boxes.Boxes.size(), 1) << "the error goes to the error box";
  EXPECT_TRUE(Boxes.Boxes[0].Text.contains("readonly database"))
      << Boxes.Boxes[0].Text.toStdString();
  EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
  EXPECT_TRUE(SameSettings(*SetupData, TSetupDaten{true, false, 30, 1}))
      << "nothing unsaved is in use";
  ClickButton(dialog.Button_Cancel);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(SameSettings(*SetupData, TSetupDaten{true, false, 30, 1}));
  Raw("PRAGMA query_only = 0");
  const auto stored = StoredSettings();
  ASSERT_TRUE(stored);
  EXPECT_TRUE(SameSettings(*stored, TSetupDaten{true, false, 30, 1}));
}

TEST_F(SetupDialog, TheGreyedVolumeBarLooksGreyed) {
  TDLG_Setup dialog;
  Show(dialog);
  const QImage enabled = dialog.ScrollBar_Volume.grab().toImage();
  ClickBox(dialog.CheckBox_Sound);
  ClickBox(dialog.CheckBox_Music);
  EXPECT_EVENTUALLY(!dialog.ScrollBar_Volume.isEnabled());  // the dialog's timer greys it
  const QImage disabled = dialog.ScrollBar_Volume.grab().toImage();
  ASSERT_EQ(enabled.size(), disabled.size());
  int changed = 0;
  for (int y = 0; y < enabled.height(); ++y)
    for (int x = 0; x < enabled.width(); ++x)
      changed += enabled.pixel(x, y) != disabled.pixel(x, y);
  EXPECT_GT(changed, enabled.width() * enabled.height() / 2)
      << "the bar turns grey, arrows and all";
  const QPalette& colours = dialog.ScrollBar_Volume.palette();
  EXPECT_NE(colours.color(QPalette::Disabled, QPalette::WindowText),
            colours.color(QPalette::Active, QPalette::WindowText));
  EXPECT_NE(colours.color(QPalette::Disabled, QPalette::ButtonText),
            colours.color(QPalette::Active, QPalette::ButtonText));
}
