// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "persistence/SQLUtils.h"

#include <sqlite3.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include "persistence/VarUnit.h"

namespace {

const QString SetupTable = QStringLiteral("tab_setup");
const QString PlayerTable = QStringLiteral("tab_spieler");
const QString SettingsRowId = QStringLiteral("SP00000001");
const QString FirstRunMarkerId = QStringLiteral("SP00000002");

// Among equal play times the rows come in the order the index keeps them (by
// row), the order the rank counts and the list pages read.
const QString HighscoreStatement = JoinLines(
    {QStringLiteral("SELECT * FROM tab_spieler"), QStringLiteral("ORDER BY Spielzeit, rowid")});

QString Flag(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

// Runs the work in a transaction of its own. When it fails, the transaction it
// began is rolled back before the error goes on, so that one passing failure (a
// locked file, a full disk) does not block every later write of the run. A
// transaction begun elsewhere makes StartTransaction raise: nothing is touched.
template <typename TWork>
void InOwnTransaction(TWork work) {
  Database->StartWriteTransaction();
  try {
    work();
    Database->CommitTransaction();
  } catch (...) {
    try {
      Database->RollbackTransaction();
    } catch (const ESQLiteException&) {
      // Nothing more can be done; the first error is the one to report.
    }
    throw;
  }
}

void ExecuteInOwnTransaction(const QString& sql) {
  InOwnTransaction([&] { Database->Execute(sql); });
}

// A write into a missing settings table would vanish without a word.
void RequireSetupTable() {
  if (!Database->HasTable(SetupTable))
    throw ESQLiteException(QStringLiteral("No such table: ") + SetupTable);
}

bool RowExists(const QString& id) {
  return Database
             ->Query(QStringLiteral("SELECT Setup_ID FROM tab_setup WHERE Setup_ID=") +
                     QuoteText(id))
             ->RowCount() > 0;
}

int WholeNumberOr(const QString& text, int fallback) {
  bool ok = false;
  const int value = text.toInt(&ok);
  return ok ? value : fallback;
}

QStringList InsertSetupRowLines(const QString& id, const QString& sound, const QString& music,
                                const QString& volume, const QString& lang) {
  return {QStringLiteral("INSERT INTO tab_setup ("),
          QStringLiteral("Setup_ID"),
          QStringLiteral(",Sound"),
          QStringLiteral(",Music"),
          QStringLiteral(",Volume"),
          QStringLiteral(",Lang"),
          QStringLiteral(")"),
          QStringLiteral("VALUES ("),
          QuoteText(id),
          QStringLiteral(",") + sound,
          QStringLiteral(",") + music,
          QStringLiteral(",") + volume,
          QStringLiteral(",") + lang,
          QStringLiteral(");")};
}

}  // namespace

QString JoinLines(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  return text;
}

QString QuoteText(const QString& value) {
  QString doubled = value;
  // SQLite ends the statement's text at a NUL: the rest would be lost and the
  // statement broken. No stored text can hold one, so it goes.
  doubled.remove(QChar(u'\0'));
  doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + doubled + QLatin1Char('"');
}

namespace {

// The tables that are missing are made; the labels of those that could not be.
QStringList MakeMissingTables() {
  QStringList failed;
  auto create = [&](const QString& table, const QStringList& lines, const QString& label) {
    if (Database->HasTable(table)) return;
    try {
      Database->Execute(JoinLines(lines));
    } catch (...) {
      failed.append(label);
    }
  };
  create(SetupTable,
         {QStringLiteral("CREATE TABLE tab_setup ("),
          QStringLiteral("Setup_ID VARCHAR(10) PRIMARY KEY"), QStringLiteral(",Sound TINYINT"),
          QStringLiteral(",Music TINYINT"), QStringLiteral(",Volume INTEGER"),
          QStringLiteral(",Lang INTEGER"), QStringLiteral(");")},
         QStringLiteral("\"Einstellungen\""));
  create(PlayerTable,
         {QStringLiteral("CREATE TABLE tab_spieler ("),
          QStringLiteral("Spieler_ID VARCHAR(10) PRIMARY KEY"), QStringLiteral(",Name VARCHAR(50)"),
          QStringLiteral(",Datum DATE"), QStringLiteral(",Spielzeit TIME"), QStringLiteral(");")},
         QStringLiteral("\"Spieler\""));
  // The list and the rank walk the results by play time. The index is no part of
  // the table, so older programs read and write the file as before; a file that
  // takes no index (read-only, locked) is only slower.
  if (failed.isEmpty()) {
    try {
      Database->Execute(QStringLiteral(
          "CREATE INDEX IF NOT EXISTS idx_tab_spieler_Spielzeit ON tab_spieler (Spielzeit)"));
    } catch (const ESQLiteException&) {
    }
  }
  return failed;
}

}  // namespace

bool CreateTables() {
  const QStringList failed = MakeMissingTables();
  if (failed.isEmpty()) return true;
  ReportError(QStringLiteral("Fehler beim Erstellen folgender Tabellen:\n\n") + JoinLines(failed));
  return false;
}

void FollowDatabaseFile() {
  if (!Database->FileHasMoved()) return;
  const QFileInfo file(Database->FileName());
  // The folder may have gone with the file; it is made again as at start-up.
  if (!file.exists()) QDir().mkpath(file.path());
  Database->Reopen();
  // A table that cannot be made shows as a failed write of its own.
  MakeMissingTables();
}

void RunWriteTransaction(const std::function<void()>& work) { InOwnTransaction(work); }

QString FormatRecordId(const QString& prefix, const QString& number) {
  QString digits = number;
  while (digits.length() < 8) digits.prepend(QLatin1Char('0'));
  return prefix + digits;
}

QString NextRecordId(const QString& prefix, const QString& table, const QString& column) {
  if (!Database->HasTable(table)) return QString();
  const auto result =
      Database->Query(QStringLiteral("SELECT MAX(CAST(LTRIM(") + column + QStringLiteral(",\"") +
                      prefix + QStringLiteral("\") AS INTEGER)) + 1 ID FROM ") + table);
  QString number = QStringLiteral("1");
  if (result->RowCount() == 1) {
    const QString cell = result->CellText(result->ColumnIndex(QStringLiteral("ID")));
    if (!cell.trimmed().isEmpty()) number = cell;
  }
  return FormatRecordId(prefix, number);
}

void LoadSetup() {
  if (!Database->HasTable(SetupTable)) return;
  const auto row =
      Database->Query(QStringLiteral("SELECT * FROM tab_setup WHERE Setup_ID=\"SP00000001\""));
  if (row->RowCount() > 0) {
    auto cell = [&](const char* column) {
      return row->CellText(row->ColumnIndex(QString::fromLatin1(column)));
    };
    SetupData->Sound = cell("Sound") == QStringLiteral("1");
    SetupData->Music = cell("Music") == QStringLiteral("1");
    SetupData->Volume = WholeNumberOr(cell("Volume"), 50);
    SetupData->Lang = WholeNumberOr(cell("Lang"), 0);
  }
}

void SaveSetup() {
  FollowDatabaseFile();
  RequireSetupTable();
  const QString sound = Flag(SetupData->Sound), music = Flag(SetupData->Music);
  const QString volume = QString::number(SetupData->Volume),
                lang = QString::number(SetupData->Lang);
  const QStringList lines =
      RowExists(SettingsRowId)
          ? QStringList{QStringLiteral("UPDATE tab_setup"),
                        QStringLiteral("SET Sound=") + sound,
                        QStringLiteral(",Music=") + music,
                        QStringLiteral(",Volume=") + volume,
                        QStringLiteral(",Lang=") + lang,
                        QStringLiteral("WHERE Setup_ID=") + QuoteText(SettingsRowId)}
          : InsertSetupRowLines(SettingsRowId, sound, music, volume, lang);
  ExecuteInOwnTransaction(JoinLines(lines));
}

void SaveSetupAs(const TSetupDaten& wanted) {
  const TSetupDaten kept = *SetupData;
  *SetupData = wanted;
  try {
    SaveSetup();
  } catch (...) {
    *SetupData = kept;
    throw;
  }
}

bool FirstRunDone() {
  if (!Database->HasTable(SetupTable)) return false;
  return Database->Query(QStringLiteral("SELECT * FROM tab_setup WHERE Setup_ID=\"SP00000002\""))
             ->RowCount() > 0;
}

void MarkFirstRun() {
  FollowDatabaseFile();
  RequireSetupTable();
  if (RowExists(FirstRunMarkerId)) return;
  const QString zero = QStringLiteral("0");
  ExecuteInOwnTransaction(JoinLines(InsertSetupRowLines(FirstRunMarkerId, zero, zero, zero, zero)));
}

QString FormatPlayTime(std::chrono::seconds playTime) {
  const auto total = playTime.count();
  return QStringLiteral("%1:%2:%3")
      .arg(total / 3600, 2, 10, QLatin1Char('0'))
      .arg(total / 60 % 60, 2, 10, QLatin1Char('0'))
      .arg(total % 60, 2, 10, QLatin1Char('0'));
}

QString InsertResultStatement(const QString& id, const QString& name, const QDate& datum,
                              std::chrono::seconds spielzeit) {
  return JoinLines({QStringLiteral("INSERT INTO tab_spieler ("), QStringLiteral("Spieler_ID"),
                    QStringLiteral(",Name"), QStringLiteral(",Datum"), QStringLiteral(",Spielzeit"),
                    QStringLiteral(")"), QStringLiteral("VALUES ("), QuoteText(id),
                    QStringLiteral(",") + QuoteText(name),
                    QStringLiteral(",") + QuoteText(datum.toString(QStringLiteral("yyyy-MM-dd"))),
                    QStringLiteral(",") + QuoteText(FormatPlayTime(spielzeit)),
                    QStringLiteral(");")});
}

bool InsertResult(QString& id) {
  FollowDatabaseFile();
  if (!Database->HasTable(PlayerTable)) return false;
  // The identifier is drawn inside the write transaction, so that no other
  // program can take it between the query and the insert; a file shared with a
  // program that draws it outside gets one more try.
  for (int attempt = 0;; ++attempt) {
    try {
      InOwnTransaction([&] {
        id = NextRecordId(QStringLiteral("SR"), PlayerTable, QStringLiteral("Spieler_ID"));
        if (!id.isEmpty())
          Database->Execute(InsertResultStatement(id, PlayerData->Name, PlayerData->Datum,
                                                  PlayerData->Spielzeit));
      });
      break;
    } catch (const ESQLiteException& error) {
      if (attempt > 0 || error.Code() != SQLITE_CONSTRAINT) throw;
    }
  }
  if (id.isEmpty()) {
    ReportError(QStringLiteral("Fehler beim Erstellen der \"Spieler_ID\"!"));
    return false;
  }
  return true;
}

bool ReadPlayerNames(QStringList& names) {
  names.clear();
  if (!Database->HasTable(PlayerTable)) return false;
  const auto result = Database->Query(QStringLiteral("SELECT DISTINCT Name FROM tab_spieler"));
  // SQL sees the bytes: a name the earlier 8-bit program stored in Windows-1252
  // and the same name stored later in UTF-8 differ there, but read the same.
  QSet<QString> seen;
  while (!result->AtEnd()) {
    const QString name = result->CellText(result->ColumnIndex(QStringLiteral("Name")));
    if (!seen.contains(name)) {
      seen.insert(name);
      names.append(name);
    }
    result->MoveNext();
  }
  return true;
}

std::unique_ptr<TSQLiteTable> QueryHighscoreList() { return Database->Query(HighscoreStatement); }

int RankOfResult(const QString& id) {
  if (!Database->HasTable(PlayerTable)) return 0;
  FollowDatabaseFile();
  // The list walks the index by play time and, among equal times, by row: the
  // rank counts what comes before the result in that order, over the index. A
  // play time the table holds as NULL sorts first.
  const auto rank = Database->Query(JoinLines(
      {QStringLiteral("SELECT 1"),
       QStringLiteral("+(SELECT COUNT(*) FROM tab_spieler WHERE Spielzeit < m.Spielzeit)"),
       QStringLiteral("+(SELECT COUNT(*) FROM tab_spieler WHERE Spielzeit = m.Spielzeit AND "
                      "rowid < m.rowid)"),
       QStringLiteral("+(SELECT COUNT(*) FROM tab_spieler WHERE Spielzeit IS NULL AND "
                      "(m.Spielzeit IS NOT NULL OR rowid < m.rowid)) Rang"),
       QStringLiteral("FROM tab_spieler m WHERE m.Spieler_ID=") + QuoteText(id)}));
  if (rank->RowCount() > 0) return rank->CellText(0).toInt();
  // An identifier that is not stored counts every row.
  return Database->Query(QStringLiteral("SELECT COUNT(*) FROM tab_spieler"))->CellText(0).toInt();
}

int CountResults() {
  if (!Database->HasTable(PlayerTable)) return 0;
  return Database->Query(QStringLiteral("SELECT COUNT(*) FROM tab_spieler"))->CellText(0).toInt();
}

std::unique_ptr<TSQLiteTable> QueryHighscoreRows(int first, int count) {
  return Database->Query(JoinLines({QStringLiteral("SELECT * FROM tab_spieler"),
                                    QStringLiteral("ORDER BY Spielzeit, rowid"),
                                    QStringLiteral("LIMIT %1 OFFSET %2").arg(count).arg(first)}));
}

void ClearResults() {
  FollowDatabaseFile();
  InOwnTransaction([] {
    if (Database->HasTable(PlayerTable))
      Database->Execute(QStringLiteral("DELETE FROM tab_spieler"));
  });
}

std::optional<std::chrono::seconds> ParsePlayTime(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{2,}):([0-5]\\d):([0-5]\\d)$"));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  return std::chrono::seconds(match.captured(1).toLongLong() * 3600 +
                              match.captured(2).toInt() * 60 + match.captured(3).toInt());
}
