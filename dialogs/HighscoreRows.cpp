// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/HighscoreRows.h"

#include <algorithm>

#include "dialogs/Unit_DLG_Highscore.h"
#include "persistence/SQLUtils.h"

THighscoreRows::THighscoreRows(QObject* parent) : QAbstractTableModel(parent) {
  Rows = CountResults();
  ReadBlock(0);  // a list that cannot be read fails here, where its error can be shown
}

int THighscoreRows::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Rows;
}

int THighscoreRows::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 4;
}

const THighscoreRows::TBlock& THighscoreRows::ReadBlock(int first) const {
  const auto table = QueryHighscoreRows(first, BlockRows);
  TBlock block;
  if (table->RowCount() > 0) {
    const int id = table->ColumnIndex(QStringLiteral("Spieler_ID"));
    const int name = table->ColumnIndex(QStringLiteral("Name"));
    const int datum = table->ColumnIndex(QStringLiteral("Datum"));
    const int spielzeit = table->ColumnIndex(QStringLiteral("Spielzeit"));
    block.reserve(static_cast<std::size_t>(table->RowCount()));
    for (; !table->AtEnd(); table->MoveNext()) {
      QString date;
      if (!StoredDateToDisplay(table->CellText(datum), date)) date.clear();
      block.push_back(
          {table->CellText(id), table->CellText(name), date, table->CellText(spielzeit)});
    }
  }
  if (Blocks.size() >= KeptBlocks && !Recent.empty()) {
    Blocks.erase(Recent.front());
    Recent.erase(Recent.begin());
  }
  Recent.push_back(first);
  return Blocks[first] = std::move(block);
}

const THighscoreRows::TRow* THighscoreRows::RowAt(int row) const {
  if (row < 0 || row >= Rows) return nullptr;
  const int first = row / BlockRows * BlockRows;
  const TBlock* block = nullptr;
  if (const auto kept = Blocks.find(first); kept != Blocks.end()) {
    block = &kept->second;
    Recent.erase(std::find(Recent.begin(), Recent.end(), first));
    Recent.push_back(first);
  } else {
    try {
      block = &ReadBlock(first);
    } catch (const ESQLiteException&) {
      // A read that fails while the grid paints leaves the cells empty.
      return nullptr;
    }
  }
  const auto offset = static_cast<std::size_t>(row - first);
  return offset < block->size() ? &(*block)[offset] : nullptr;
}

QVariant THighscoreRows::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::UserRole)) return {};
  const TRow* row = RowAt(index.row());
  if (role == Qt::UserRole) return row ? row->Id : QString();
  // The rank is the position in the list: equal play times get consecutive ranks.
  if (index.column() == 0) return QString::number(index.row() + 1);
  if (!row) return QString();
  switch (index.column()) {
    case 1:
      return row->Name;
    case 2:
      return row->Date;
    case 3:
      return row->Time;
    default:
      return QString();
  }
}

QString THighscoreRows::ResultId(int row) const {
  const TRow* found = RowAt(row);
  return found ? found->Id : QString();
}
