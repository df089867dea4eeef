// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

std::optional<int> AnswerCommandLine(int argc, char** argv) {
  // Started from the menu, the game gets no arguments: nothing to parse.
  if (argc < 2) return std::nullopt;
  // A core application needs no display, so the answers come on a text
  // console too; it is gone before the game's own application is made.
  QCoreApplication core(argc, argv);
  QCoreApplication::setApplicationName(QString::fromLatin1(ApplicationName));
  QCoreApplication::setApplicationVersion(QStringLiteral(TESSARYN_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("A photo-finding game for one player: find the 25 photos in the order the "
                     "film strip asks for."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Shows this help and exits."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Shows the program's version and exits."));
  parser.addOption(help);
  parser.addOption(version);
  // Unknown options are no error: parse() only reports them, and they are ignored.
  parser.parse(QCoreApplication::arguments());

  QTextStream out(stdout);
  if (parser.isSet(help)) {
    out << parser.helpText();
    return 0;
  }
  if (parser.isSet(version)) {
    out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
        << '\n';
    return 0;
  }
  return std::nullopt;
}
