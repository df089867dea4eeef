#pragma once

#include <QComboBox>
#include <QTableWidget>

// The program's styled grid and combo box.
class TTrovDsgStringGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit TTrovDsgStringGrid(QWidget* parent = nullptr);
};

class TTrovDsgComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TTrovDsgComboBox(QWidget* parent = nullptr);
};
