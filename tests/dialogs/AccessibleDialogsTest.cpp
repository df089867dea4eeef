// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader learns about the dialogs, read through QAccessible in
// each of the three languages.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "dialogs/ProgramLinks.h"
#include "dialogs/Unit_DLG_Help.h"
#include "dialogs/Unit_DLG_Highscore.h"
#include "dialogs/Unit_DLG_Info.h"
#include "dialogs/Unit_DLG_Player.h"
#include "dialogs/Unit_DLG_Setup.h"
#include "localization/Unit_DLG_Language.h"
#include "tests/AccessibleQuery.h"
#include "tests/dialogs/DialogDatabaseFixture.h"

namespace {

// The names of the labels that label a widget.
QStringList LabelsOf(QWidget* widget) {
  QStringList names;
  for (const auto& [label, relation] : Accessible(widget)->relations(QAccessible::Label))
    names << label->text(QAccessible::Name);
  return names;
}

struct TDialogTexts {
  int Language;
  const char *Settings, *LanguageCaption, *Sound, *Music, *Volume, *Cancel;
  const char *NameCaption, *StartGame, *Highscore, *Rank, *PlayTime, *Close;
};

const TDialogTexts DialogTexts[] = {
    {LangGerman, "Einstellungen", "Sprache:", "Töne einschalten", "Hintergrundmusik abspielen",
     "Lautstärke:", "Abbrechen", "Name:", "Spiel starten", "Highscore", "Rang", "Spielzeit",
     "Schließen"},
    {LangEnglish, "Settings", "Language:", "Sound on", "Play background music",
     "Volume:", "Cessation", "Name:", "Start play", "High score", "Rank", "Time", "Closing"},
    {LangSpanish, "Configuración", "Idioma", "Activar sonidos", "Reproducir música de fondo",
     "Volumen", "Cancelar", "Nombre", "Iniciar juego", "Puntuación máxima", "Rango", "Juego",
     "Cerrar"},
};

class AccessibleDialogs : public TDialogDatabaseFixture {
 protected:
  TGermanDates GermanDates;
};

}  // namespace

TEST_F(AccessibleDialogs, SettingsNameEveryControlByItsCaption) {
  for (const TDialogTexts& texts : DialogTexts) {
    SCOPED_TRACE(texts.Language);
    ApplyLanguage(texts.Language);
    SetupData->Sound = true;
    SetupData->Music = false;
    TDLG_Setup dialog(nullptr);
    dialog.show();
    EXPECT_EQ(NameOf(&dialog), QString::fromUtf8(texts.Settings));
    EXPECT_EQ(LabelsOf(&dialog.ComboBox_Lang),
              QStringList{QString::fromUtf8(texts.LanguageCaption)});
    EXPECT_EQ(NameOf(&dialog.ScrollBar_Volume), QString::fromUtf8(texts.Volume));

    const std::tuple<TVistaQuadCheckBox*, const char*, bool> boxes[] = {
        {&dialog.CheckBox_Sound, texts.Sound, true}, {&dialog.CheckBox_Music, texts.Music, false}};
    for (const auto& [box, name, checked] : boxes) {
      QAccessibleInterface* face = Accessible(box);
      EXPECT_EQ(face->role(), QAccessible::CheckBox);
      EXPECT_EQ(face->text(QAccessible::Name), QString::fromUtf8(name));
      EXPECT_TRUE(face->state().checkable);
      EXPECT_EQ(face->state().checked, checked);
      QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(7, 7));
      EXPECT_EQ(face->state().checked, !checked) << "the state follows a click";
    }

    const std::tuple<TTrovGameButton*, QString, bool> buttons[] = {
        {&dialog.Button_OK, "OK", true},
        {&dialog.Button_Cancel, QString::fromUtf8(texts.Cancel), false}};
    for (const auto& [button, name, isDefault] : buttons) {
      QAccessibleInterface* face = Accessible(button);
      EXPECT_EQ(face->role(), QAccessible::Button);
      EXPECT_EQ(face->text(QAccessible::Name), name);
      EXPECT_EQ(face->state().defaultButton, isDefault);
    }
  }
}

TEST_F(AccessibleDialogs, ThePlayerDialogLabelsItsNameList) {
  for (const TDialogTexts& texts : DialogTexts) {
    ApplyLanguage(texts.Language);
    TDLG_Player dialog(nullptr);
    EXPECT_EQ(LabelsOf(&dialog.ComboBox_Name), QStringList{QString::fromUtf8(texts.NameCaption)});
    EXPECT_EQ(NameOf(&dialog.Button_Start), QString::fromUtf8(texts.StartGame));
    EXPECT_EQ(NameOf(&dialog.Button_Cancel), QString::fromUtf8(texts.Cancel));
  }
}

TEST_F(AccessibleDialogs, TheLanguageQuestionLabelsItsListInAllThreeLanguages) {
  TDLG_Language dialog(nullptr);
  EXPECT_EQ(LabelsOf(&dialog.ComboBox_Lang),
            (QStringList{"Sprache wählen", "Select Language", "Seleccione Idioma"}));
  EXPECT_EQ(Accessible(&dialog.ComboBox_Lang)->role(), QAccessible::ComboBox);
  EXPECT_EQ(NameOf(&dialog.Button_OK), "OK");
}

TEST_F(AccessibleDialogs, TheHighscoreGridExposesHeadersRowsAndCells) {
  AddResult("Anna", QDate(2010, 5, 17), 90);
  AddResult("Bert", QDate(2011, 6, 1), 120);
  for (const TDialogTexts& texts : DialogTexts) {
    SCOPED_TRACE(texts.Language);
    ApplyLanguage(texts.Language);
    TDLG_Highscore dialog(nullptr);
    dialog.show();
    QAccessibleInterface* grid = Accessible(&dialog.StringGrid_Highscore);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    EXPECT_EQ(grid->text(QAccessible::Name), QString::fromUtf8(texts.Highscore));
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 2) << "the header is no data row";
    EXPECT_EQ(table->columnCount(), 4);
    EXPECT_EQ(table->columnDescription(0), QString::fromUtf8(texts.Rank));
    EXPECT_EQ(table->columnDescription(3), QString::fromUtf8(texts.PlayTime));
    const QStringList rows[] = {{"1", "Anna", "17.05.2010", "00:01:30"},
                                {"2", "Bert", "01.06.2011", "00:02:00"}};
    for (int row = 0; row < 2; ++row)
      for (int col = 0; col < 4; ++col)
        EXPECT_EQ(table->cellAt(row, col)->text(QAccessible::Name), rows[row][col])
            << row << "," << col;

    QAccessibleInterface* clear = Accessible(&dialog.Button_Clear);
    EXPECT_EQ(clear->text(QAccessible::Description), HintClearHighscore);
    EXPECT_FALSE(clear->state().disabled);
    dialog.Button_Clear.SetEnabled(false);
    EXPECT_TRUE(clear->state().disabled) << "the button's own flag, not the widget's";
    EXPECT_FALSE(clear->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(NameOf(&dialog.Button_OK), QString::fromUtf8(texts.Close));
  }
}

TEST_F(AccessibleDialogs, TheInformationLinksAreNamedByTheirAddresses) {
  TDLG_Info dialog(nullptr);
  QStringList opened;
  dialog.OnOpenLink = [&opened](const QString& address) { opened << address; };
  QAccessibleInterface* link = Accessible(&dialog.LinkLabel_Partner4);
  EXPECT_EQ(link->role(), QAccessible::Link);
  EXPECT_EQ(link->text(QAccessible::Name), dialog.LinkLabel_Partner4.text());
  link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(opened, QStringList{ProgramLinks::PhotoPartner}) << "a screen reader can follow it";
  for (TLinkImage* image : dialog.findChildren<TLinkImage*>()) {
    QAccessibleInterface* face = Accessible(image);
    EXPECT_EQ(face->role(), QAccessible::Link) << image->toolTip().toStdString();
    EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << image->toolTip().toStdString();
    EXPECT_EQ(face->text(QAccessible::Description), image->toolTip());
  }
  QAccessibleInterface* banner = Accessible(&dialog.Image_Trov_Banner);
  EXPECT_EQ(banner->text(QAccessible::Name), "tessaryn.example.org");
  banner->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(opened.last(), ProgramLinks::HomePage);
}

TEST_F(AccessibleDialogs, TheHelpTextIsNamedInTheLanguage) {
  for (const TDialogTexts& texts : DialogTexts) {
    ApplyLanguage(texts.Language);
    TDLG_Help dialog(nullptr);
    EXPECT_EQ(NameOf(&dialog.HTMLViewer_Help), CapHelp);
    EXPECT_EQ(NameOf(&dialog), CapHelp);
  }
}
