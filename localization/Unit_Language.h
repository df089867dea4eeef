// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The language table: every text of the user interface that changes with the
// language. Windows read the entries when they use them, so a change shows in
// every window opened afterwards. Codes: 0 German, 1 English, 2 Spanish.

extern QString MsgConfirmQuit;
extern QString MsgConfirmAbort;
extern QString MsgAlreadyRunning;
extern QString HintNewGame;
extern QString HintAbortGame;
extern QString HintHelp;
extern QString HintInfo;
extern QString HintHighscore;
extern QString HintSettings;
extern QString HintExit;
extern QString MsgResultNotSaved;
extern QString MsgNoPlayerData;
extern QString MsgPlayTimeInvalid;
extern QString TxtCongratulation;
extern QString TxtPuzzleSolved;
extern QString LblYourPlayTime;
extern QString TxtPlace;
extern QString CapNewGame;
extern QString TxtEnterName;
extern QString LblName;
extern QString CapStartGame;
extern QString CapCancel;
extern QString MsgNoName;
extern QString CapHighscore;
extern QString ColRank;
extern QString ColName;
extern QString ColDate;
extern QString ColPlayTime;
extern QString CapClearHighscore;
extern QString HintClearHighscore;
extern QString CapClose;
extern QString MsgConfirmClearHighscore;
extern QString MsgClearHighscoreFailed;
extern QString CapSettings;
extern QString LblLanguage;
extern QString LangNameGerman;
extern QString LangNameEnglish;
extern QString LangNameSpanish;
extern QString CapSoundOn;
extern QString CapMusicOn;
extern QString LblVolume;
extern QString CapHelp;
extern QString CapInfo;
extern QString TxtDisclaimer;
extern QString TxtPhotoNotice;

// Names that assistive technology reads out; they change with the language as
// the table above does. %1 and %2 are filled in where the name is made.
extern QString AccTileFaceDown;  // %1 row, %2 column, both from 1
extern QString AccTileFaceUp;
extern QString AccPlayTime;  // %1 the shown time, hh:nn:ss

// Follows MsgResultNotSaved when the result waits to be stored later.
extern QString MsgResultKept;

// The spoken name of a board tile in the current language.
QString TileAccessibleName(int row, int column, bool faceUp);
// The spoken name of the play time display.
QString PlayTimeAccessibleName(const QString& playTime);
// A hint without its key in brackets at the end: "Hilfe (F1)" gives "Hilfe".
QString HintWithoutKey(const QString& hint);

constexpr int LangGerman = 0;
constexpr int LangEnglish = 1;
constexpr int LangSpanish = 2;

// The code of a language the program has; any other stored or chosen code
// (−1 for nothing chosen, a number from a damaged file) counts as German.
int LanguageOrGerman(int code);

// The language of the desktop, for the first start's question: German for a
// German locale, Spanish for a Spanish one, English for every other, "C" and
// "POSIX" and none included. uiLanguages as QLocale gives them, most wanted first.
int LanguageOfDesktop(const QStringList& uiLanguages);
int DesktopLanguage();  // of QLocale::system()

// Fills every entry in the language of the code, LanguageOrGerman(code).
void ApplyLanguage(int code);
// The same with the language of the settings, SetupData.Lang.
void ApplyLanguage();
