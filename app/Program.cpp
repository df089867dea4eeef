// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Program.h"

#include <QApplication>
#include <memory>

#include "app/TerminationSignals.h"
#include "app/Unit_Tessaryn.h"
#include "controls/MessageBoxes.h"
#include "persistence/VarUnit.h"

TSoundSettings SoundSettingsOfSetup() {
  if (!SetupData) return {};
  return {SetupData->Sound, SetupData->Music, SetupData->Volume};
}

int RunProgram(TRandomSource* random) {
  EndOnTerminationSignals();
  SetErrorReporter([](const QString& message) { ShowErrorBox(message); });
  std::unique_ptr<TForm_Tessaryn> form;
  try {
    form = std::make_unique<TForm_Tessaryn>(random);
  } catch (const EStartupFailed&) {
    return 1;
  }
  form->ShowFullScreenOnItsScreen();
  return QApplication::exec();
}
