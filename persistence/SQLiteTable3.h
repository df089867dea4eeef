// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <variant>
#include <vector>

struct sqlite3;

// The one error of the database layer: a message text and nothing else.
class ESQLiteException : public std::runtime_error {
 public:
  explicit ESQLiteException(const QString& message, int code = 0);
  QString Message() const { return QString::fromUtf8(what()); }
  // SQLite's primary result code, 0 when the layer raised it on its own.
  int Code() const { return ResultCode; }

 private:
  int ResultCode = 0;
};

// SQLite's result codes as words, for the layer's messages.
QString ErrorCodeText(int code);

// How a result column keeps its cells, fixed on the first row from the
// column's declared type (or, for an expression, from its first value).
enum class TColumnClass { Integer = 1, Numeric = 2, Text = 3, Blob = 4, Null = 5 };

class TSQLiteDatabase;

// The complete result of one query, in memory. Only the current row moves.
class TSQLiteTable {
 public:
  int RowCount() const { return Rows; }
  int ColumnCount() const { return Columns; }
  int CurrentRow() const { return Current; }
  bool AtEnd() const { return Current >= Rows; }
  bool MoveNext();

  // Case-insensitive; raises when there are no rows or no such column.
  int ColumnIndex(const QString& name) const;
  // The current row's cell as text; raises at the end of the table.
  QString CellText(int column) const;

 private:
  friend class TSQLiteDatabase;
  using TCell = std::variant<std::monostate, std::int64_t, double, QString, QByteArray>;

  int Rows = 0;
  int Columns = 0;
  int Current = 0;
  QStringList ColumnNames;
  std::vector<TColumnClass> ColumnClasses;
  std::vector<TCell> Cells;
};

// The connection. Statements travel as complete SQL texts (values quoted as
// literals, nothing bound), in UTF-8.
class TSQLiteDatabase {
 public:
  explicit TSQLiteDatabase(const QString& fileName);
  TSQLiteDatabase(const TSQLiteDatabase&) = delete;
  TSQLiteDatabase& operator=(const TSQLiteDatabase&) = delete;
  ~TSQLiteDatabase();

  // Runs the first statement of the text; it must return no rows.
  void Execute(const QString& sql);
  // Runs the first statement of the text and reads all its rows.
  std::unique_ptr<TSQLiteTable> Query(const QString& sql);
  bool HasTable(const QString& name);

  void StartTransaction();
  // BEGIN IMMEDIATE: takes the write lock at once, so what the transaction reads
  // stays true until it commits, whatever other programs on the file do.
  void StartWriteTransaction();
  void CommitTransaction();
  void RollbackTransaction();
  bool InTransaction() const { return TransactionOpen; }

  // Sees every statement text before it goes to SQLite.
  std::function<void(const QString& sql)> OnStatement;

  sqlite3* Handle() const { return Connection; }
  // How long a statement waits for another connection's lock before it fails.
  void SetBusyTimeout(int milliseconds);
  static constexpr int DefaultBusyTimeout = 5000;

  // Gives the pages the connection keeps cached back (after a long list was read).
  void ReleaseMemory();

  const QString& FileName() const { return Path; }
  // Whether the file the connection has open is no longer the one at its path:
  // deleted, moved away, or replaced by another file or a folder.
  bool FileHasMoved();
  // Closes the connection and opens its path again, creating the file when it is
  // missing. Outside a transaction only; on failure the old connection stays.
  void Reopen();

 private:
  // stepResult stands in for the connection's error code when that has none, as
  // for a statement that returned a row where none was expected.
  void FollowTransactionState();
  [[noreturn]] void RaiseDatabaseError(const QString& step, const QString& sql, int stepResult = 0);

  static sqlite3* Open(const QString& fileName);

  QString Path;
  sqlite3* Connection = nullptr;
  bool TransactionOpen = false;
  int BusyTimeout = DefaultBusyTimeout;
};
