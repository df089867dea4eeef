// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/Unit_DLG_Setup.h"

#include <QFontMetrics>

#include "controls/MessageBoxes.h"
#include "localization/Unit_Language.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"

namespace {

constexpr TColor PanelColor = 0xE6E8EC;
constexpr TColor TextColor = 0x000000;

}  // namespace

TDLG_Setup::TDLG_Setup(QWidget* owner) : TProgramDialog(owner, {313, 272}) {
  // The labels are transparent: they stand on Shape1, whose fill is their background.
  Label_Lang = AddLabel({32, 30, 0, 0}, LblLanguage, TextColor);

  ComboBox_Lang.setGeometry(32, 48, 253, 24);
  ComboBox_Lang.setEditable(false);
  ComboBox_Lang.setFont(DialogFont());
  ComboBox_Lang.SetBorderColor(0x2E303B);
  ComboBox_Lang.SetItemHeight(16);

  SetUpCheckBox(CheckBox_Sound, 93);
  SetUpCheckBox(CheckBox_Music, 121);

  Label_Volume_Caption = AddLabel({32, 158, 0, 0}, LblVolume, TextColor);

  ScrollBar_Volume.setGeometry(32, 178, 225, 17);
  ScrollBar_Volume.setRange(0, 100);
  ScrollBar_Volume.setSingleStep(1);
  // A click beside the thumb moves one step, as the thumb has no page size.
  ScrollBar_Volume.setPageStep(1);
  // Qt's scroll bars count the arrow keys backwards; Right and End mean louder here.
  ScrollBar_Volume.setInvertedControls(false);
  ScrollBar_Volume.setFocusPolicy(Qt::StrongFocus);

  Label_Volume = AddLabel({264, 179, 0, 0}, QString(), TextColor);
  // Screen readers name the combo box and the bar by their captions.
  Label_Lang->setBuddy(&ComboBox_Lang);
  Label_Volume_Caption->setBuddy(&ScrollBar_Volume);

  SetUpButton(Button_OK, {96, 230, 90, 28}, QStringLiteral("OK"));
  Button_OK.SetDefault(true);
  SetUpButton(Button_Cancel, {192, 230, 105, 28}, CapCancel);
  Button_Cancel.Cancel = true;
  Button_OK.OnClick = [this] { Button_OKClick(); };
  Button_Cancel.OnClick = [this] { Button_CancelClick(); };

  setTabOrder(&ComboBox_Lang, &CheckBox_Sound);
  setTabOrder(&CheckBox_Sound, &CheckBox_Music);
  setTabOrder(&CheckBox_Music, &ScrollBar_Volume);
  setTabOrder(&ScrollBar_Volume, &Button_OK);
  setTabOrder(&Button_OK, &Button_Cancel);

  FormCreate();

  connect(&ScrollBar_Volume, &QScrollBar::valueChanged, this, [this] { ScrollBar_VolumeChange(); });
  Timer1.setInterval(300);
  connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  Timer1.start();
}

void TDLG_Setup::SetUpCheckBox(TVistaQuadCheckBox& box, int top) {
  box.move(32, top);
  box.SetStyle(TStyle::sGRAY);
  box.SetCheckSymbol(TCheckSymbol::sCross);
  box.HighLight = false;
  box.SetAutosize(true);
  box.SetColor(PanelColor);
  box.SetFont(DialogFont());
}

void TDLG_Setup::FormCreate() {
  setWindowTitle(CapSettings);
  Label_Lang->setText(LblLanguage);
  FitLabel(*Label_Lang);  // sized to its text
  CheckBox_Sound.SetCaption(CapSoundOn);
  CheckBox_Music.SetCaption(CapMusicOn);
  Label_Volume_Caption->setText(LblVolume);
  FitLabel(*Label_Volume_Caption);  // sized to its text
  Button_Cancel.SetCaption(CapCancel);

  ComboBox_Lang.clear();
  ComboBox_Lang.addItems({LangNameGerman, LangNameEnglish, LangNameSpanish});

  CheckBox_Sound.SetChecked(SetupData->Sound);
  CheckBox_Music.SetChecked(SetupData->Music);
  ScrollBar_Volume.setValue(SetupData->Volume);  // clamped to 0 … 100
  ComboBox_Lang.setCurrentIndex(LanguageOrGerman(SetupData->Lang));
  ScrollBar_VolumeChange();
}

// The number follows the bar at once; the output volume changes only after OK.
void TDLG_Setup::ScrollBar_VolumeChange() {
  Label_Volume->setText(QString::number(ScrollBar_Volume.value()));
  FitLabel(*Label_Volume);  // sized to its text
}

// The volume means nothing while neither sound effects nor music are on.
void TDLG_Setup::Timer1Timer() {
  const bool wanted = CheckBox_Sound.Checked() || CheckBox_Music.Checked();
  if (ScrollBar_Volume.isEnabled() != wanted) ScrollBar_Volume.setEnabled(wanted);
}

void TDLG_Setup::Button_OKClick() {
  const TSetupDaten wanted{CheckBox_Sound.Checked(), CheckBox_Music.Checked(),
                           ScrollBar_Volume.value(),
                           LanguageOrGerman(ComboBox_Lang.currentIndex())};
  // Written even when nothing changed; after a failed write the dialog stays open.
  if (!SucceedsOrShowsError([&] { SaveSetupAs(wanted); })) return;
  done(QDialog::Accepted);
}

void TDLG_Setup::Button_CancelClick() { done(QDialog::Rejected); }
