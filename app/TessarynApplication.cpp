// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TessarynApplication.h"

#include <QDir>
#include <QFontDatabase>
#include <exception>

#include "controls/MessageBoxes.h"
#include "media/ResourceCatalogue.h"

TTessarynApplication::TTessarynApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TTessarynApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowErrorBox(QString::fromUtf8(error.what()));
  } catch (...) {
    ShowErrorBox(QStringLiteral("Unbekannter Fehler"));
  }
  return false;
}

void LoadProgramFonts() {
  EnsureResourceCatalogue();
  const QDir fonts(QStringLiteral(":/fonts"));
  for (const QString& file : fonts.entryList(QDir::Files))
    QFontDatabase::addApplicationFont(fonts.filePath(file));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}
