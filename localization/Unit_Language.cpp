// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "localization/Unit_Language.h"

#include <QLocale>
#include <QRegularExpression>
#include <array>

#include "persistence/VarUnit.h"

QString MsgConfirmQuit;
QString MsgConfirmAbort;
QString MsgAlreadyRunning;
QString HintNewGame;
QString HintAbortGame;
QString HintHelp;
QString HintInfo;
QString HintHighscore;
QString HintSettings;
QString HintExit;
QString MsgResultNotSaved;
QString MsgNoPlayerData;
QString MsgPlayTimeInvalid;
QString TxtCongratulation;
QString TxtPuzzleSolved;
QString LblYourPlayTime;
QString TxtPlace;
QString CapNewGame;
QString TxtEnterName;
QString LblName;
QString CapStartGame;
QString CapCancel;
QString MsgNoName;
QString CapHighscore;
QString ColRank;
QString ColName;
QString ColDate;
QString ColPlayTime;
QString CapClearHighscore;
QString HintClearHighscore;
QString CapClose;
QString MsgConfirmClearHighscore;
QString MsgClearHighscoreFailed;
QString CapSettings;
QString LblLanguage;
QString LangNameGerman;
QString LangNameEnglish;
QString LangNameSpanish;
QString CapSoundOn;
QString CapMusicOn;
QString LblVolume;
QString CapHelp;
QString CapInfo;
QString TxtDisclaimer;
QString TxtPhotoNotice;
QString AccTileFaceDown;
QString AccTileFaceUp;
QString AccPlayTime;
QString MsgResultKept;

namespace {

struct TEntryTexts {
  QString* Entry;
  const char* Texts[3];  // German, English, Spanish
};

// clang-format off
const std::array<TEntryTexts, 45> Table{{
  {&MsgConfirmQuit,
   {"Möchten Sie das Tessaryn Puzzle wirklich beenden?",
    "Do you really want to finish Tessaryn Puzzle?",
    "¿Está seguro que quiere terminar Tessaryn Puzzle?"}},
  {&MsgConfirmAbort,
   {"Möchten Sie das Spiel wirklich beenden?",
    "Do you really want to finish the play?",
    "¿Está seguro que quiere terminar el juego?"}},
  {&MsgAlreadyRunning,
   {"Das Tessaryn Puzzle wurde bereits gestartet!",
    "Tessaryn Puzzle has already begun!",
    "¡Ya se ha iniciado el Tessaryn Puzzle!"}},
  {&HintNewGame,
   {"Neues Spiel starten (F5)",
    "New play (F5)",
    "Iniciar juego nuevo (F5)"}},
  {&HintAbortGame,
   {"Spiel abbrechen (ESC)",
    "Abort play (ESC)",
    "Cancelar juego (ESC)"}},
  {&HintHelp,
   {"Hilfe (F1)",
    "Help (F1)",
    "Ayuda (F1)"}},
  {&HintInfo,
   {"Information (F2)",
    "Information (F2)",
    "Información (F2)"}},
  {&HintHighscore,
   {"Highscoreliste (F3)",
    "Highscore list (F3)",
    "Lista de la puntuación maxima (F3)"}},
  {&HintSettings,
   {"Einstellungen (F4)",
    "Settings (F4)",
    "Configuración (F4)"}},
  {&HintExit,
   {"Beenden (Strg+X)",
    "Exit (Strg+X)",
    "Terminar (Strg+X)"}},
  {&MsgResultNotSaved,
   {"Die Spielerdaten konnten nicht gespeichert werden!",
    "Data could not be stored!",
    "¡No se pudieron  guardar los datos de los jugadores!"}},
  {&MsgNoPlayerData,
   {"Zugriff auf die Spielerdaten nicht möglich!",
    "Access to the player's data not possibly!",
    "¡No es posible el acceso a los datos de los jugadores!"}},
  {&MsgPlayTimeInvalid,
   {"Die Spielzeit konnte nicht übernommen werden!",
    "Play time could not be taken over!",
    "¡No se pudo  guardar la duración del juego!"}},
  {&TxtCongratulation,
   {"Glückwunsch!",
    "Congratulation!",
    "¡Enhorabuena!"}},
  {&TxtPuzzleSolved,
   {"Das Puzzle wurde gelöst.",
    "The puzzle was solved.",
    "Se ha solucionado el puzzle"}},
  {&LblYourPlayTime,
   {"Ihre Spielzeit:",
    "Your playing time:",
    "La duración de su juego:"}},
  {&TxtPlace,
   {"Platz",
    "Place",
    "Sitio"}},
  {&CapNewGame,
   {"Neues Spiel",
    "New play",
    "Juego nuevo"}},
  {&TxtEnterName,
   {"Bitte geben Sie Ihren Namen an oder wählen Sie einen Spielernamen aus der Liste.",
    "Request you give your name or you choose Player's names from the list.",
    "Por favor escriba su nombre o elija un nombre de jugador de la lista."}},
  {&LblName,
   {"Name:",
    "Name:",
    "Nombre"}},
  {&CapStartGame,
   {"Spiel starten",
    "Start play",
    "Iniciar juego"}},
  {&CapCancel,
   {"Abbrechen",
    "Cessation",
    "Cancelar"}},
  {&MsgNoName,
   {"Es wurde kein Name angegeben!",
    "No name was given!",
    "No se indicó nungún nombre!"}},
  {&CapHighscore,
   {"Highscore",
    "High score",
    "Puntuación máxima"}},
  {&ColRank,
   {"Rang",
    "Rank",
    "Rango"}},
  {&ColName,
   {"Name",
    "Name",
    "Nombre"}},
  {&ColDate,
   {"Datum",
    "Date",
    "Fecha"}},
  {&ColPlayTime,
   {"Spielzeit",
    "Time",
    "Juego"}},
  {&CapClearHighscore,
   {"Highscore löschen",
    "Clear high score",
    "Eliminar puntuación máxima"}},
  {&HintClearHighscore,
   {"Alle Einträge aus der Highscoreliste entfernen",
    "Remove all entries from the high score list",
    "Eliminar todas las entradas de la lista de la puntuación máxima"}},
  {&CapClose,
   {"Schließen",
    "Closing",
    "Cerrar"}},
  {&MsgConfirmClearHighscore,
   {"Sollen alle Highscore-Einträge gelöscht werden?",
    "Clear all high score entries?",
    "¿Quiere eliminar todas las entradas de la puntuación máxima?"}},
  {&MsgClearHighscoreFailed,
   {"Die Highscoreliste konnte nicht gelöscht werden!",
    "The high score list could not be extinguished!",
    "¡No se pudo  eliminar la lista de la puntuación máxima!"}},
  {&CapSettings,
   {"Einstellungen",
    "Settings",
    "Configuración"}},
  {&LblLanguage,
   {"Sprache:",
    "Language:",
    "Idioma"}},
  {&LangNameGerman,
   {"Deutsch",
    "German",
    "Alemán"}},
  {&LangNameEnglish,
   {"Englisch",
    "English",
    "Inglés"}},
  {&LangNameSpanish,
   {"Spanisch",
    "Spanish",
    "Español"}},
  {&CapSoundOn,
   {"Töne einschalten",
    "Sound on",
    "Activar sonidos"}},
  {&CapMusicOn,
   {"Hintergrundmusik abspielen",
    "Play background music",
    "Reproducir música de fondo"}},
  {&LblVolume,
   {"Lautstärke:",
    "Volume:",
    "Volumen"}},
  {&CapHelp,
   {"Hilfe",
    "Help",
    "Ayuda"}},
  {&CapInfo,
   {"Information",
    "Information",
    "Información"}},
  {&TxtDisclaimer,
   {"Es wird keine Haftung für Schäden übernommen, die sich aus der Nutzung dieses Produktes ergeben. Dies gilt auch für Daten- sowie Gewinnverluste jeglicher Art und deren Folgeschäden.",
    "It no liability for damages is assumed, to itself from the use of this product prove. This is also valid for overruns as well as profit losses of every kind and their secondary damages.",
    "No se asume ninguna responsabilidad por daños que resulten del uso de este producto. Esto también será aplicable para la pérdida de datos como de pérdida de beneficios de todo tipo y de sus daños posteriores."}},
  {&TxtPhotoNotice,
   {"Die Fotos, Bilder, Klänge und Schriften dieses Spiels stammen aus freien Quellen und werden unter ihren eigenen freien Lizenzen verwendet. Sie sind auf der Informationsseite der Hilfe und in den Credits aufgeführt.",
    "The photos, pictures, sounds and fonts of this game come from free sources and are used under their own free licences. They are listed on the information page of the help and in the credits.",
    "Las fotos, imágenes, sonidos y tipos de letra de este juego proceden de fuentes libres y se usan bajo sus propias licencias libres. Se indican en la página de información de la ayuda y en los créditos."}},
}};

const std::array<TEntryTexts, 3> AccessibleTable{{
  {&AccTileFaceDown,
   {"Foto, Reihe %1, Spalte %2, verdeckt",
    "Photo, row %1, column %2, face down",
    "Foto, fila %1, columna %2, boca abajo"}},
  {&AccTileFaceUp,
   {"Foto, Reihe %1, Spalte %2, aufgedeckt",
    "Photo, row %1, column %2, face up",
    "Foto, fila %1, columna %2, boca arriba"}},
  {&AccPlayTime,
   {"Spielzeit %1",
    "Play time %1",
    "Tiempo de juego %1"}},
}};

const std::array<TEntryTexts, 1> StorageTable{{
  {&MsgResultKept,
   {"Das Ergebnis ist vorgemerkt und wird gespeichert, sobald die Datenbank es annimmt: mit dem nächsten Ergebnis, beim Öffnen der Highscoreliste oder beim nächsten Start.",
    "The result is kept and will be stored as soon as the database takes it: with the next result, when the high score list opens, or at the next start.",
    "El resultado queda reservado y se guardará en cuanto la base de datos lo acepte: con el próximo resultado, al abrir la lista de la puntuación máxima o en el próximo inicio."}},
}};
// clang-format on

}  // namespace

int LanguageOrGerman(int code) {
  return code >= LangGerman && code <= LangSpanish ? code : LangGerman;
}

int LanguageOfDesktop(const QStringList& uiLanguages) {
  const QString first = uiLanguages.value(0).toLower();
  const QString language = first.left(first.indexOf(QRegularExpression(QStringLiteral("[-_.@]"))));
  if (language == QLatin1String("de")) return LangGerman;
  if (language == QLatin1String("es")) return LangSpanish;
  return LangEnglish;
}

int DesktopLanguage() { return LanguageOfDesktop(QLocale::system().uiLanguages()); }

void ApplyLanguage(int code) {
  code = LanguageOrGerman(code);
  for (const TEntryTexts& row : Table) *row.Entry = QString::fromUtf8(row.Texts[code]);
  for (const TEntryTexts& row : AccessibleTable) *row.Entry = QString::fromUtf8(row.Texts[code]);
  for (const TEntryTexts& row : StorageTable) *row.Entry = QString::fromUtf8(row.Texts[code]);
}

void ApplyLanguage() {
  if (SetupData) ApplyLanguage(SetupData->Lang);
}

QString TileAccessibleName(int row, int column, bool faceUp) {
  return (faceUp ? AccTileFaceUp : AccTileFaceDown).arg(row).arg(column);
}

QString PlayTimeAccessibleName(const QString& playTime) { return AccPlayTime.arg(playTime); }

QString HintWithoutKey(const QString& hint) {
  static const QRegularExpression key(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  return QString(hint).remove(key);
}
