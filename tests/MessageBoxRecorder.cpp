// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/MessageBoxRecorder.h"

#include <QDialog>

int TMessageBoxRecorder::RunDialog(QDialog& dialog) {
  return OnDialog ? OnDialog(dialog) : int(QDialog::Rejected);
}

bool TMessageBoxRecorder::RunMessageBox(TMessageKind kind, const QString& title,
                                        const QString& text) {
  Boxes.append({kind, title, text});
  if (WhileShown) WhileShown();
  return Answers.isEmpty() ? true : Answers.takeFirst();
}
