// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Names a player typed and texts a file holds are shown as they are. Qt guesses
// markup in tooltips, so "<b>x</b>" would turn bold and an <img> would load a
// local file: a tooltip gets this markup, which shows the text literally, spaces
// and line breaks kept, lines never wrapped; trailing line breaks go, so a list
// of lines ends with its last line. Labels and message boxes are set to plain
// text where they are made.
QString PlainTextAsMarkup(const QString& text);
