// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <map>
#include <vector>

// The high-score list as the grid shows it: rank, name, date in the user's short
// format, play time; the result's identifier under Qt::UserRole. Only the number
// of results is read at once; the rows come from the database a block at a
// time, when the grid shows them, and only a few blocks are kept. No read
// transaction stays open between the reads, so other programs can write.
class THighscoreRows : public QAbstractTableModel {
  Q_OBJECT
 public:
  // Reads the number of results and the first block; raises the database's error.
  explicit THighscoreRows(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  QString ResultId(int row) const;

  static constexpr int BlockRows = 256;
  static constexpr std::size_t KeptBlocks = 4;

 private:
  struct TRow {
    QString Id, Name, Date, Time;
  };
  using TBlock = std::vector<TRow>;
  // The block of the row, read when it is not kept; nullptr when the read failed.
  const TRow* RowAt(int row) const;
  const TBlock& ReadBlock(int first) const;

  int Rows = 0;
  mutable std::map<int, TBlock> Blocks;  // by the block's first row
  mutable std::vector<int> Recent;       // first rows, the latest used last
};
