// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

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

// Where boxes go instead of the screen, so tests can walk through questions
// without a person: Answer sees each box and gives its answer (true = "Ja").
class TMessageBoxSeam {
 public:
  virtual ~TMessageBoxSeam() = default;
  virtual bool Answer(TMessageKind kind, const QString& title, const QString& text) = 0;
};

// nullptr puts the real boxes back.
void SetMessageBoxSeam(TMessageBoxSeam* seam);
