// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QIcon>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "app/TessarynApplication.h"

namespace {

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/layout/MAINICON_%1").arg(size), QSize(size, size));
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  if (const std::optional<int> answered = AnswerCommandLine(argc, argv)) return *answered;
  // X11 desktops match a window to its launcher by the instance part of WM_CLASS;
  // Qt takes it from -name (a later -name of the player's wins). The option is
  // not handed on to programs the game starts, as an environment variable would be.
  std::vector<char*> arguments(argv, argv + argc);
  char nameOption[] = "-name";
  std::string instanceName = ApplicationId;
  arguments.insert(arguments.begin() + 1, {nameOption, instanceName.data()});
  arguments.push_back(nullptr);
  int argumentCount = argc + 2;
  TTessarynApplication application(argumentCount, arguments.data());
  QApplication::setApplicationName(QString::fromLatin1(ApplicationName));
  QApplication::setDesktopFileName(QString::fromLatin1(ApplicationId));
  LoadProgramFonts();
  QApplication::setWindowIcon(ProgramIcon());

  TSingleInstanceGuard guard;
  if (!EnsureSingleInstance(guard)) return 0;

  return RunProgram();
}
