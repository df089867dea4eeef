// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/Unit_DLG_Player.h"

#include <QDate>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStringList>
#include <exception>

#include "controls/MessageBoxes.h"
#include "localization/Unit_Language.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"

QString TrimBlanks(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && text[first].unicode() <= 0x20) ++first;
  while (last > first && text[last - 1].unicode() <= 0x20) --last;
  return text.mid(first, last - first);
}

TDLG_Player::TDLG_Player(QWidget* owner) : TProgramDialog(owner, {361, 234}) {
  Label_Text = AddFilledLabel({30, 35, 283, 54}, TxtEnterName, 0x000000, 0xE6E8EC);
  Label_Text->setWordWrap(true);
  Label_Name = AddFilledLabel({30, 107, 38, 16}, LblName, 0x000000, 0xE6E8EC);

  ComboBox_Name.setGeometry(74, 104, 239, 24);
  ComboBox_Name.setEditable(true);
  ComboBox_Name.setInsertPolicy(QComboBox::NoInsert);
  ComboBox_Name.setFont(DialogFont());
  ComboBox_Name.SetBorderColor(0x2E303B);
  ComboBox_Name.SetItemHeight(16);
  ComboBox_Name.lineEdit()->setMaxLength(32767 * 1024);  // no length limit of its own
  Label_Name->setBuddy(&ComboBox_Name);  // the combo box's caption for screen readers

  SetUpButton(Button_Start, {97, 192, 129, 28}, CapStartGame);
  Button_Start.SetDefault(true);
  SetUpButton(Button_Cancel, {232, 192, 112, 28}, CapCancel);
  Button_Cancel.Cancel = true;
  Button_Start.OnClick = [this] { Button_StartClick(); };
  Button_Cancel.OnClick = [this] { Button_CancelClick(); };

  setTabOrder(&ComboBox_Name, &Button_Start);
  setTabOrder(&Button_Start, &Button_Cancel);
  FormCreate();
}

void TDLG_Player::FormCreate() {
  setWindowTitle(CapNewGame);
  Label_Text->setText(TxtEnterName);
  Label_Name->setText(LblName);
  FitLabel(*Label_Name);  // sized to its text
  ComboBox_Name.move(Label_Name->x() + Label_Name->width() + 4, ComboBox_Name.y());
  ComboBox_Name.resize(Shape1.width() - Label_Name->width() - 40, ComboBox_Name.height());
  Button_Start.SetCaption(CapStartGame);
  Button_Cancel.SetCaption(CapCancel);
  // An error while reading the names goes to the error box; the dialog opens all the same.
  SucceedsOrShowsError([this] { FillNames(); });
  ComboBox_Name.setFocus();
}

void TDLG_Player::FillNames() {
  QStringList names;
  ReadPlayerNames(names);
  ComboBox_Name.clear();
  ComboBox_Name.addItems(names);
  ComboBox_Name.setCurrentIndex(-1);
  ComboBox_Name.setEditText(QString());
}

// A pasted NUL would cut the statement that stores the name; every other
// character stays, control characters included.
QString TDLG_Player::EnteredName() const {
  QString name = ComboBox_Name.currentText();
  name.remove(QChar(u'\0'));
  return name;
}

bool TDLG_Player::NameIsValid() {
  if (TrimBlanks(EnteredName()).isEmpty()) {
    ShowErrorBox(MsgNoName);
    return false;
  }
  return true;
}

void TDLG_Player::StorePlayer() {
  if (!PlayerData) PlayerData = std::make_unique<TSpielerDaten>();
  PlayerData->Spieler_ID.clear();
  PlayerData->Name = EnteredName();
  PlayerData->Datum = QDate::currentDate();
}

void TDLG_Player::Button_StartClick() {
  if (!NameIsValid()) return;
  StorePlayer();
  done(QDialog::Accepted);
}

void TDLG_Player::Button_CancelClick() { done(QDialog::Rejected); }
