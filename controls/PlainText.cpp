// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/PlainText.h"

QString PlainTextAsMarkup(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text[end - 1] == QLatin1Char('\n')) --end;
  // Kept as typed and unbroken: a tooltip would otherwise wrap a long name.
  QString markup = text.left(end).toHtmlEscaped();
  markup.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
  return QStringLiteral("<p style=\"white-space:pre\">") + markup + QStringLiteral("</p>");
}
