// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QIcon>

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
  TTessarynApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(ApplicationName));
  QApplication::setDesktopFileName(QString::fromLatin1(ApplicationId));
  LoadProgramFonts();
  QApplication::setWindowIcon(ProgramIcon());

  TSingleInstanceGuard guard;
  if (!EnsureSingleInstance(guard)) return 0;

  return RunProgram();
}
