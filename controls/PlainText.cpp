// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/PlainText.h"

#include <QTextDocument>

QString PlainTextAsMarkup(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text[end - 1] == QLatin1Char('\n')) --end;
  return Qt::convertFromPlainText(text.left(end), Qt::WhiteSpacePre);
}
