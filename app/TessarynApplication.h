// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

// The application object. Errors end where the player acted
// (SucceedsOrShowsError); one that still reaches the event loop is a fault,
// shown here in the German error box as a last resort, after which the
// program goes on. Qt does not support exceptions crossing its event handling.
class TTessarynApplication : public QApplication {
  Q_OBJECT
 public:
  TTessarynApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

// Registers the bundled fonts and lets "Arial", "Tahoma", "Times New Roman" and
// "Courier New" fall back to the metric-compatible Liberation fonts.
void LoadProgramFonts();
