// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

// The application object. It is the one place where an error that reaches the
// event loop is shown, in the German error box, after which the program goes on.
class TTessarynApplication : public QApplication {
  Q_OBJECT
 public:
  TTessarynApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

// Registers the bundled fonts and lets "Arial", "Tahoma", "Times New Roman" and
// "Courier New" fall back to the metric-compatible Liberation fonts.
void LoadProgramFonts();
