// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

// The program's three message boxes. Their frames are German in every
// language: titles "Fehler", "Bestätigen", "Informationen"; buttons "Ja",
// "Nein", "OK".
enum class TMessageKind { Error, Confirmation, Information };

QString MessageBoxTitle(TMessageKind kind);

void ShowErrorBox(const QString& text);
// True when the player answers "Ja".
bool AskConfirmation(const QString& text);
void ShowInformationBox(const QString& text);

// Runs a step that may fail (a database read or write, a missing resource):
// a failure shows its message in the error box, and the caller goes on. True
// when the step succeeded. Errors end here, where the player acted, and never
// cross Qt's event handling.
bool SucceedsOrShowsError(const std::function<void()>& step);

// How the program shows its modal windows, the dialogs and the message boxes.
// The screen's runner shows them and waits for the player; a test puts in one
// that answers them, so it walks through questions without a person.
class TDialogRunner {
 public:
  virtual ~TDialogRunner() = default;
  // Shows the dialog modally and answers its result.
  virtual int RunDialog(QDialog& dialog);
  // Shows a message box; true when the player answers "Ja" (always for the
  // boxes with OK alone).
  virtual bool RunMessageBox(TMessageKind kind, const QString& title, const QString& text);
};

// The runner in use: the screen's, unless one was set.
TDialogRunner& DialogRunner();
// nullptr puts the screen's runner back.
void SetDialogRunner(TDialogRunner* runner);
