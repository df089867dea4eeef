// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "persistence/SQLiteTable3.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QLocale>
#include <QStringDecoder>
#include <cstring>

ESQLiteException::ESQLiteException(const QString& message, int code)
    : std::runtime_error(message.toStdString()), ResultCode(code & 0xFF) {}

QString ErrorCodeText(int code) {
  static const char* const texts[] = {"Successful result",
                                      "SQL error or missing database",
                                      "An internal logic error in SQLite",
                                      "Access permission denied",
                                      "Callback routine requested an abort",
                                      "The database file is locked",
                                      "A table in the database is locked",
                                      "A malloc() failed",
                                      "Attempt to write a readonly database",
                                      "Operation terminated by sqlite3_interrupt()",
                                      "Some kind of disk I/O error occurred",
                                      "The database disk image is malformed",
                                      "(Internal Only) Table or record not found",
                                      "Insertion failed because database is full",
                                      "Unable to open the database file",
                                      "Database lock protocol error",
                                      "Database is empty",
                                      "The database schema changed",
                                      "Too much data for one row of a table",
                                      "Abort due to contraint violation",
                                      "Data type mismatch",
                                      "Library used incorrectly",
                                      "Uses OS features not supported on host",
                                      "Authorization denied",
                                      "Auxiliary database format error",
                                      "2nd parameter to sqlite3_bind out of range",
                                      "File opened that is not a database file"};
  if (code >= 0 && code <= 26) return QString::fromLatin1(texts[code]);
  if (code == SQLITE_ROW) return QStringLiteral("sqlite3_step() has another row ready");
  if (code == SQLITE_DONE) return QStringLiteral("sqlite3_step() has finished executing");
  return QStringLiteral("Unknown SQLite Error Code \"%1\"").arg(code);
}

namespace {

// Cells written by the earlier 8-bit version of the program are Windows-1252;
// everything this program writes is UTF-8.
QString TextFromStorage(const char* bytes, qsizetype length) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(QByteArrayView(bytes, length));
  if (!utf8.hasError()) return text;
  static const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  text.clear();
  text.reserve(length);
  for (qsizetype i = 0; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    text.append(byte >= 0x80 && byte < 0xA0 ? QChar(high[byte - 0x80]) : QChar(byte));
  }
  return text;
}

TColumnClass ClassOfDeclaredType(const char* declared, int firstValueType) {
  if (!declared) return static_cast<TColumnClass>(firstValueType);
  const auto is = [declared](const char* name) { return std::strcmp(declared, name) == 0; };
  if (is("INTEGER") || is("BOOLEAN")) return TColumnClass::Integer;
  if (is("NUMERIC") || is("FLOAT") || is("DOUBLE") || is("REAL")) return TColumnClass::Numeric;
  if (is("BLOB")) return TColumnClass::Blob;
  return TColumnClass::Text;
}

// Finalizes the statement on every path out of Execute and Query.
// One prepared statement, finalized once: it cannot be copied.
struct TStatement {
  sqlite3_stmt* Handle = nullptr;
  TStatement() = default;
  TStatement(const TStatement&) = delete;
  TStatement& operator=(const TStatement&) = delete;
  ~TStatement() { sqlite3_finalize(Handle); }
};

}  // namespace

bool TSQLiteTable::MoveNext() {
  if (AtEnd()) return false;
  ++Current;
  return true;
}

int TSQLiteTable::ColumnIndex(const QString& name) const {
  if (ColumnNames.isEmpty())
    throw ESQLiteException(QStringLiteral("Field ") + name +
                           QStringLiteral(" Not found. Empty dataset"));
  const qsizetype index = ColumnNames.indexOf(name.toUpper());
  if (index < 0) throw ESQLiteException(QStringLiteral("Field not found in dataset: ") + name);
  return static_cast<int>(index);
}

QString TSQLiteTable::CellText(int column) const {
  if (AtEnd()) throw ESQLiteException(QStringLiteral("Table is at End of File"));
  const TCell& cell = Cells[static_cast<size_t>(Current) * Columns + column];
  if (const auto* integer = std::get_if<std::int64_t>(&cell)) return QString::number(*integer);
  if (const auto* real = std::get_if<double>(&cell))
    return QLocale::system().toString(*real, 'g', 15);
  if (const auto* text = std::get_if<QString>(&cell)) return *text;
  if (const auto* blob = std::get_if<QByteArray>(&cell)) return QString::fromLatin1(*blob);
  return QString();
}

sqlite3* TSQLiteDatabase::Open(const QString& fileName) {
  const QByteArray name = fileName.toUtf8();
  sqlite3* handle = nullptr;
  if (sqlite3_open(name.constData(), &handle) != SQLITE_OK) {
    const QString reason =
        handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QStringLiteral("unknown error");
    const int code = handle ? sqlite3_errcode(handle) : SQLITE_CANTOPEN;
    sqlite3_close(handle);
    throw ESQLiteException(
        QStringLiteral("Failed to open database \"%1\" : %2").arg(fileName, reason), code);
  }
  // The statements quote their text values in double quotes: make sure SQLite
  // takes those as string literals, whatever it was built with.
  sqlite3_db_config(handle, SQLITE_DBCONFIG_DQS_DML, 1, nullptr);
  sqlite3_db_config(handle, SQLITE_DBCONFIG_DQS_DDL, 1, nullptr);
  return handle;
}

TSQLiteDatabase::TSQLiteDatabase(const QString& fileName)
    : Path(fileName), Connection(Open(fileName)) {
  // A backup tool or the sqlite3 shell may read the file for a moment; wait that
  // out instead of losing a result to it.
  SetBusyTimeout(DefaultBusyTimeout);
}

void TSQLiteDatabase::SetBusyTimeout(int milliseconds) {
  BusyTimeout = milliseconds;
  sqlite3_busy_timeout(Connection, milliseconds);
}

void TSQLiteDatabase::ReleaseMemory() { sqlite3_db_release_memory(Connection); }

bool TSQLiteDatabase::FileHasMoved() {
  int moved = 0;
  if (sqlite3_file_control(Connection, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK)
    return false;
  return moved != 0;
}

void TSQLiteDatabase::Reopen() {
  if (TransactionOpen) throw ESQLiteException(QStringLiteral("Transaction already open"));
  // SQLite would open a folder read-only and fail only on the first write.
  const QFileInfo file(Path);
  if (file.exists() && !file.isFile())
    throw ESQLiteException(QStringLiteral("Failed to open database \"%1\" : %2")
                               .arg(Path, QString::fromUtf8(sqlite3_errstr(SQLITE_CANTOPEN))),
                           SQLITE_CANTOPEN);
  sqlite3* fresh = Open(Path);
  sqlite3_close(Connection);
  Connection = fresh;
  SetBusyTimeout(BusyTimeout);
}

TSQLiteDatabase::~TSQLiteDatabase() {
  if (TransactionOpen) {
    try {
      RollbackTransaction();
    } catch (const ESQLiteException&) {
      // Closing drops the transaction anyway.
    }
  }
  sqlite3_close(Connection);
}

// On a full disk, an I/O error, lack of memory or an interrupt SQLite rolls the
// transaction back by itself, so the writer's own ROLLBACK fails after it. The
// connection knows whether a transaction is still open; the flag follows it.
void TSQLiteDatabase::FollowTransactionState() {
  TransactionOpen = sqlite3_get_autocommit(Connection) == 0;
}

void TSQLiteDatabase::RaiseDatabaseError(const QString& step, const QString& sql, int stepResult) {
  FollowTransactionState();
  int code = sqlite3_errcode(Connection);
  QString message = QString::fromUtf8(sqlite3_errmsg(Connection));
  if (code == 0 && stepResult != 0) {
    code = stepResult;
    message = QString::fromUtf8(sqlite3_errstr(stepResult));
  }
  if (code == 0) throw ESQLiteException(step);
  throw ESQLiteException(step + QStringLiteral(".\rError [%1]: %2.\r\"%3\": %4")
                                    .arg(code)
                                    .arg(ErrorCodeText(code), sql, message),
                         code);
}

void TSQLiteDatabase::Execute(const QString& sql) {
  if (OnStatement) OnStatement(sql);
  const QByteArray text = sql.toUtf8();
  TStatement statement;
  if (sqlite3_prepare_v2(Connection, text.constData(), -1, &statement.Handle, nullptr) != SQLITE_OK)
    RaiseDatabaseError(QStringLiteral("Error executing SQL"), sql);
  if (!statement.Handle) RaiseDatabaseError(QStringLiteral("Could not prepare SQL statement"), sql);
  const int result = sqlite3_step(statement.Handle);
  if (result != SQLITE_DONE) {
    sqlite3_reset(statement.Handle);
    RaiseDatabaseError(QStringLiteral("Error executing SQL statement"), sql, result);
  }
}

std::unique_ptr<TSQLiteTable> TSQLiteDatabase::Query(const QString& sql) {
  if (OnStatement) OnStatement(sql);
  auto table = std::make_unique<TSQLiteTable>();
  const QByteArray text = sql.toUtf8();
  TStatement statement;
  if (sqlite3_prepare_v2(Connection, text.constData(), -1, &statement.Handle, nullptr) != SQLITE_OK)
    RaiseDatabaseError(QStringLiteral("Error executing SQL"), sql);
  if (!statement.Handle) RaiseDatabaseError(QStringLiteral("Could not prepare SQL statement"), sql);
  sqlite3_stmt* s = statement.Handle;
  for (;;) {
    const int result = sqlite3_step(s);
    if (result == SQLITE_DONE) break;
    if (result == SQLITE_BUSY) {
      FollowTransactionState();
      throw ESQLiteException(QStringLiteral("Could not prepare SQL statement"), SQLITE_BUSY);
    }
    if (result != SQLITE_ROW) {
      sqlite3_reset(s);
      RaiseDatabaseError(QStringLiteral("Could not retrieve data"), sql);
    }
    if (table->Rows++ == 0) {
      table->Columns = sqlite3_column_count(s);
      for (int c = 0; c < table->Columns; ++c) {
        table->ColumnNames.append(QString::fromUtf8(sqlite3_column_name(s, c)).toUpper());
        table->ColumnClasses.push_back(
            ClassOfDeclaredType(sqlite3_column_decltype(s, c), sqlite3_column_type(s, c)));
      }
    }
    for (int c = 0; c < table->Columns; ++c) {
      TSQLiteTable::TCell cell;
      if (sqlite3_column_type(s, c) != SQLITE_NULL) {
        switch (table->ColumnClasses[static_cast<size_t>(c)]) {
          case TColumnClass::Integer:
            cell = static_cast<std::int64_t>(sqlite3_column_int64(s, c));
            break;
          case TColumnClass::Numeric:
            cell = sqlite3_column_double(s, c);
            break;
          case TColumnClass::Blob: {
            const int bytes = sqlite3_column_bytes(s, c);
            const void* data = sqlite3_column_blob(s, c);
            if (bytes > 0) cell = QByteArray(static_cast<const char*>(data), bytes);
            break;
          }
          case TColumnClass::Text:
          case TColumnClass::Null: {
            const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
            cell = TextFromStorage(chars, static_cast<qsizetype>(std::strlen(chars)));
            break;
          }
        }
      }
      table->Cells.push_back(std::move(cell));
    }
  }
  table->Current = 0;
  return table;
}

bool TSQLiteDatabase::HasTable(const QString& name) {
  const auto table = Query(
      QStringLiteral("select [sql] from sqlite_master where [type] = 'table' and lower(name) = '") +
      name.toLower() + QStringLiteral("' "));
  return table->RowCount() > 0;
}

void TSQLiteDatabase::StartTransaction() {
  if (TransactionOpen) throw ESQLiteException(QStringLiteral("Transaction already open"));
  Execute(QStringLiteral("BEGIN TRANSACTION"));
  TransactionOpen = true;
}

void TSQLiteDatabase::StartWriteTransaction() {
  if (TransactionOpen) throw ESQLiteException(QStringLiteral("Transaction already open"));
  Execute(QStringLiteral("BEGIN IMMEDIATE TRANSACTION"));
  TransactionOpen = true;
}

void TSQLiteDatabase::CommitTransaction() {
  Execute(QStringLiteral("COMMIT"));
  TransactionOpen = false;
}

void TSQLiteDatabase::RollbackTransaction() {
  Execute(QStringLiteral("ROLLBACK"));
  TransactionOpen = false;
}
