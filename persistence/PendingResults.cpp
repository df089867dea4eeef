// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "persistence/PendingResults.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"

namespace {

QString PendingFile;
std::vector<TPendingResult> InMemory;

std::vector<TPendingResult> ReadFile() {
  std::vector<TPendingResult> read;
  if (PendingFile.isEmpty()) return read;
  QFile file(PendingFile);
  if (!file.open(QIODevice::ReadOnly)) return read;
  const QJsonArray results =
      QJsonDocument::fromJson(file.readAll()).object().value("results").toArray();
  for (const QJsonValue& value : results) {
    const QJsonObject object = value.toObject();
    TPendingResult result;
    result.Key = object.value("key").toString();
    result.Name = object.value("name").toString();
    result.Datum = QDate::fromString(object.value("date").toString(), Qt::ISODate);
    const auto time = ParsePlayTime(object.value("time").toString());
    if (result.Key.isEmpty() || !time) continue;
    result.Spielzeit = *time;
    read.push_back(result);
  }
  return read;
}

// Writes the file whole under a temporary name and renames it into place, so a
// kill at any moment leaves the old file or the new one; an empty list removes it.
bool WriteFile(const std::vector<TPendingResult>& results) {
  if (PendingFile.isEmpty()) return false;
  const QByteArray path = QFile::encodeName(PendingFile);
  if (results.empty()) return unlink(path.constData()) == 0 || errno == ENOENT;
  const QString folder = QFileInfo(PendingFile).path();
  if (!QDir().mkpath(folder)) return false;
  QJsonArray list;
  for (const TPendingResult& result : results)
    list.append(QJsonObject{{"key", result.Key},
                            {"name", result.Name},
                            {"date", result.Datum.toString(Qt::ISODate)},
                            {"time", FormatPlayTime(result.Spielzeit)}});
  const QByteArray bytes = QJsonDocument(QJsonObject{{"results", list}}).toJson();
  const QByteArray temporary = path + ".new";
  const int fd = open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  fchmod(fd, 0600);  // a leftover of a killed run may have had other modes
  const bool written = write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) ==
                           static_cast<ssize_t>(bytes.size()) &&
                       fsync(fd) == 0;
  close(fd);
  if (!written || rename(temporary.constData(), path.constData()) != 0) {
    unlink(temporary.constData());
    return false;
  }
  const int dir = open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return true;
}

// What the file holds, then what only memory holds, each key once.
std::vector<TPendingResult> Merged() {
  std::vector<TPendingResult> all = ReadFile();
  for (const TPendingResult& kept : InMemory) {
    bool known = false;
    for (const TPendingResult& result : all) known = known || result.Key == kept.Key;
    if (!known) all.push_back(kept);
  }
  return all;
}

void Forget(const QString& key) {
  std::erase_if(InMemory, [&](const TPendingResult& result) { return result.Key == key; });
  std::vector<TPendingResult> rest = ReadFile();
  std::erase_if(rest, [&](const TPendingResult& result) { return result.Key == key; });
  WriteFile(rest);
}

// Stores the result and its key together, unless the key is stored already. The
// keys stay: a few bytes per result that ever waited, and no other program that
// shares the file can lose its proof of a stored result to a cleanup.
void StoreOnce(const TPendingResult& result) {
  RunWriteTransaction([&] {
    Database->Execute(
        QStringLiteral("CREATE TABLE IF NOT EXISTS tab_vorgemerkt (Vormerk_ID "
                       "VARCHAR(38) PRIMARY KEY)"));
    if (Database
            ->Query(QStringLiteral("SELECT Vormerk_ID FROM tab_vorgemerkt WHERE Vormerk_ID=") +
                    QuoteText(result.Key))
            ->RowCount() > 0)
      return;
    const QString id = NextRecordId(QStringLiteral("SR"), QStringLiteral("tab_spieler"),
                                    QStringLiteral("Spieler_ID"));
    Database->Execute(InsertResultStatement(id, result.Name, result.Datum, result.Spielzeit));
    Database->Execute(QStringLiteral("INSERT INTO tab_vorgemerkt (Vormerk_ID) VALUES (") +
                      QuoteText(result.Key) + QStringLiteral(")"));
  });
}

}  // namespace

QString DefaultPendingResultsFile() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (state.isEmpty() || !QDir::isAbsolutePath(state)) {
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty() || !QDir::isAbsolutePath(home)) return QString();
    state = home + QStringLiteral("/.local/state");
  }
  return state + QStringLiteral("/tessaryn-puzzle/pending-results");
}

void SetPendingResultsFile(const QString& path) { PendingFile = path; }

bool KeepPendingResult(const TSpielerDaten& player) {
  TPendingResult result;
  result.Key = QUuid::createUuid().toString(QUuid::WithoutBraces);
  result.Name = player.Name;
  result.Datum = player.Datum;
  result.Spielzeit = player.Spielzeit;
  InMemory.push_back(result);
  return WriteFile(Merged());
}

std::vector<TPendingResult> PendingResults() { return Merged(); }

int StorePendingResults() {
  int stored = 0;
  for (const TPendingResult& result : Merged()) {
    try {
      FollowDatabaseFile();
      if (!Database->HasTable(QStringLiteral("tab_spieler"))) break;
      StoreOnce(result);
    } catch (const ESQLiteException&) {
      break;
    }
    ++stored;
    Forget(result.Key);
  }
  return stored;
}

void ForgetPendingResultsInMemory() { InMemory.clear(); }
