// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "localization/Unit_DLG_Language.h"

#include "localization/Unit_Language.h"

#include <QFontMetrics>
#include <QKeyEvent>

#include "controls/MessageBoxes.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"

TDLG_Language::TDLG_Language(QWidget* owner) : TProgramDialog(owner, {313, 197}) {
  // A title bar without close box and system menu.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(QStringLiteral("Sprache | Language | Idioma"));

  auto label = [this](int top, const QString& text) {
    QLabel* added = AddFilledLabel({32, top, 0, 0}, text, 0x000000, 0xE6E8EC);
    FitLabel(*added);
    return added;
  };
  Label_Lang1 = label(28, QStringLiteral("Sprache wählen"));
  Label_Lang2 = label(43, QStringLiteral("Select Language"));
  Label_Lang3 = label(58, QStringLiteral("Seleccione Idioma"));

  // Screen readers name the list by the request above it, in all three languages.
  for (QLabel* caption : {Label_Lang1, Label_Lang2, Label_Lang3}) caption->setBuddy(&ComboBox_Lang);

  ComboBox_Lang.setGeometry(32, 88, 253, 24);
  ComboBox_Lang.setEditable(false);
  ComboBox_Lang.setFont(DialogFont());
  ComboBox_Lang.SetBorderColor(0x2E303B);
  ComboBox_Lang.SetItemHeight(16);
  ComboBox_Lang.addItems({QStringLiteral("Deutsch | German | Alemán"),
                          QStringLiteral("Englisch | English | Inglés"),
                          QStringLiteral("Spanisch | Spanish | Español")});

  SetUpButton(Button_OK, {207, 155, 90, 28}, QStringLiteral("OK"));
  Button_OK.SetDefault(true);
  Button_OK.OnClick = [this] { Button_OKClick(); };
  setTabOrder(&ComboBox_Lang, &Button_OK);

  FormCreate();
  ComboBox_Lang.setFocus();
}

void TDLG_Language::FormCreate() {
  ComboBox_Lang.setCurrentIndex(LanguageOrGerman(SetupData ? SetupData->Lang : LangGerman));
}

void TDLG_Language::Button_OKClick() {
  const int index = LanguageOrGerman(ComboBox_Lang.currentIndex());
  if (index == SetupData->Lang) {
    done(QDialog::Rejected);
    return;
  }
  TSetupDaten wanted = *SetupData;
  wanted.Lang = index;
  if (!SucceedsOrShowsError([&] { SaveSetupAs(wanted); })) return;
  done(QDialog::Accepted);
}

void TDLG_Language::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  TProgramDialog::keyPressEvent(event);
}
