// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QComboBox>
#include <QFont>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <vector>

#include "controls/NotifyingProperty.h"
#include "media/FuncUnit.h"

// The program's styled grid and combo box.
//
// The grid keeps the string grid's numbering: row 0 is the header row (Qt's
// horizontal header, so it stays in place while the rows scroll), rows 1 … are
// the table's rows 0 …; the first FixedCols columns are ordinary table columns
// drawn in the header look. Cells(), RowCount() and the column widths speak in
// these grid terms; a column width is the cell's width, the one-pixel grid line
// comes on top of it as in the string grid.
//
// The cells live in the grid's own model, or come from a row source: a model
// the owner hands in (SetRowSource) that reads its rows when they are shown, so
// a long list costs no more than the rows on screen.

// The grid's colour set. Every assignment fires OnChangeColors; the grid repaints.
class TListViewColors {
 public:
  std::function<void()> OnChangeColors;

  TNotifyingProperty<TColor> HeaderColor1{OnChangeColors, 0xECEBE8};
  TNotifyingProperty<TColor> HeaderColor2{OnChangeColors, 0xE2DFDA};
  TNotifyingProperty<TColor> HeaderColor3{OnChangeColors, 0xDCD7D2};
  TNotifyingProperty<TColor> HeaderColor4{OnChangeColors, 0xD4CDC6};
  TNotifyingProperty<TColor> BarColor1{OnChangeColors, 0xFFFFFF};
  TNotifyingProperty<TColor> BarColor2{OnChangeColors, 0xFFFFFF};
  TNotifyingProperty<TColor> BarSelected1{OnChangeColors, 0xF0E8DF};
  TNotifyingProperty<TColor> BarSelected2{OnChangeColors, 0xE4D6C5};
  TNotifyingProperty<TColor> BarFocused1{OnChangeColors, 0xF4E3CF};
  TNotifyingProperty<TColor> BarFocused2{OnChangeColors, 0xECD1AF};
  TNotifyingProperty<TColor> LineColor{OnChangeColors, 0x918B7B};
  TNotifyingProperty<TColor> LineFocused{OnChangeColors, 0x605B4F};
  TNotifyingProperty<TColor> ModsColor1{OnChangeColors, 0xF0F0F0};
  TNotifyingProperty<TColor> ModsColor2{OnChangeColors, 0xF0F0F0};
};

// The colour set of the high-score grid.
void ApplyHighscoreGridColors(TListViewColors& colors);

// The grid's in-place cell editor; the grid gives it EditorColor and EditorFont.
class TDsgInplaceEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TDsgInplaceEdit(QWidget* parent = nullptr);
};

// The string grid's options, as far as the program uses them.
enum TGridOption : unsigned {
  goVertLine = 1u << 0,
  goHorzLine = 1u << 1,
  goEditing = 1u << 2,
  goTabs = 1u << 3,
  goThumbTracking = 1u << 4,
  goColSizing = 1u << 5,
  goRowSelect = 1u << 6,
  goRangeSelect = 1u << 7,
};
using TGridOptions = unsigned;

// Grid lines between data cells are drawn in the string grid's flat line colour.
constexpr TColor GridLineColor = 0xC0C0C0;

// The grid's own cells: texts and attached objects, row by row.
class TGridCells : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  void SetRowCount(int rows);
  void SetColumnCount(int cols);
  void InsertRow(int row);
  void RemoveRow(int row);
  void SetObject(int row, int col, QObject* object);

 private:
  struct TCell {
    QString Text;
    QObject* Object = nullptr;
  };
  int Columns = 0;
  std::vector<std::vector<TCell>> Rows;
};

// What the view shows: the rows of the grid's own cells or of a row source, and
// the grid's header texts as the header (screen readers read them there).
class TGridShownRows : public QIdentityProxyModel {
  Q_OBJECT
 public:
  TGridShownRows(const QStringList& headerTexts, QObject* parent)
      : QIdentityProxyModel(parent), HeaderTexts(headerTexts) {}
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const QStringList& HeaderTexts;
};

class TTrovDsgStringGrid : public QTableView {
  Q_OBJECT
 public:
  explicit TTrovDsgStringGrid(QWidget* parent = nullptr);
  ~TTrovDsgStringGrid() override;

  // Look properties; the setters repaint only when the value changes.
  bool HeaderFrame() const { return HasHeaderFrame; }
  void SetHeaderFrame(bool value);
  TColor BorderColor() const { return BorderColorValue; }
  void SetBorderColor(TColor value);
  bool DrawRows() const { return DrawRowsValue; }
  void SetDrawRows(bool value);
  const QFont& EditorFont() const { return EditorFontValue; }
  void SetEditorFont(const QFont& font);
  TColor EditorColor() const { return EditorColorValue; }
  void SetEditorColor(TColor value);

  bool DrawMods = false;      // tint odd data rows
  bool ShowRowHint = true;    // build the row tooltip on mouse moves
  bool FillSelected = true;   // paint the background of data cells
  bool HideSelected = false;  // frame the selected cells while focused
  bool ShowHint = false;      // tooltips shown; switched on by the row hint
  TColor FontColor = 0x000000;
  TListViewColors ListViewColors;

  bool GridFocused() const { return IsGridFocused; }
  int LastHintRow() const { return HintRowShown; }
  // The tooltip text the last mouse move built.
  const QString& RowHint() const { return RowHintText; }

  const QList<int>& RightAlignedCols() const { return RightAlignedColList; }
  void SetRightAlignedCols(const QList<int>& cols);

  void LockUpdate();
  void UnlockUpdate();

  TGridOptions Options() const { return OptionsValue; }
  void SetOptions(TGridOptions options);

  // The rows come from the source (not owned; nullptr: the grid's own cells
  // again). The source's columns are the grid's; header texts stay the grid's.
  void SetRowSource(QAbstractItemModel* source);
  QAbstractItemModel* RowSource() const;

  // Table rows and columns, without the header row, as Qt's table counts them.
  int rowCount() const { return model()->rowCount(); }
  int columnCount() const { return model()->columnCount(); }
  void setCurrentCell(int tableRow, int col);

  // Grid numbering: row 0 is the header row while FixedRows is 1.
  int RowCount() const;
  void SetRowCount(int rows);
  int ColCount() const { return columnCount(); }
  void SetColCount(int cols);
  int FixedRows() const { return FixedRowCount; }
  void SetFixedRows(int rows);  // 0 or 1
  int FixedCols() const { return FixedColCount; }
  void SetFixedCols(int cols);
  int DefaultRowHeight() const { return DefaultRowHeightValue; }
  void SetDefaultRowHeight(int height);
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  QString Cells(int col, int row) const;
  void SetCells(int col, int row, const QString& text);
  // The object attached to a data cell (not owned by the grid), or nullptr.
  QObject* Objects(int col, int row) const;
  void SetObjects(int col, int row, QObject* object);
  // The cell rectangle [L, Rt) x [T, B) in the grid's own coordinates (without the grid line).
  QRect CellRect(int col, int row) const;
  bool IsCellSelected(int col, int row) const;
  // Grid row of a table row and back.
  int GridRowOf(int tableRow) const { return tableRow + FixedRowCount; }
  int TableRowOf(int gridRow) const { return gridRow - FixedRowCount; }

  // Paints one cell in the program's look; R excludes the grid line.
  virtual void DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected);
  // Puts the editor look on an editor of the grid.
  void ApplyEditorLook(TDsgInplaceEdit* editor) const;

 protected:
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  friend class TGridDelegate;
  friend class TGridHeader;
  void DrawCellText(QPainter& painter, int col, const QRect& rect, const QString& text);
  void DrawFixedCell(QPainter& painter, int col, const QRect& rect, const QString& text);
  void RepaintAll();
  void BuildRowHint(const QPoint& viewportPos);

  bool HasHeaderFrame = true;
  TColor BorderColorValue = 0xB4A48A;
  bool DrawRowsValue = true;
  bool IsGridFocused = false;
  int HintRowShown = 0;
  QFont EditorFontValue;
  TColor EditorColorValue = 0xCAE3E2;
  QList<int> RightAlignedColList;
  TGridOptions OptionsValue = 0;
  int FixedRowCount = 1;
  int FixedColCount = 1;
  int DefaultRowHeightValue = 20;
  QString RowHintText;
  bool HadFocusBeforeLock = false;
  QStringList HeaderTexts;
  TGridCells* OwnCells;
  TGridShownRows* ShownRows;
};

class TTrovDsgComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TTrovDsgComboBox(QWidget* parent = nullptr);

  TColor BorderColor() const { return BorderColorValue; }
  void SetBorderColor(TColor value);
  // Height of the rows of the drop-down list.
  int ItemHeight() const { return ItemHeightValue; }
  void SetItemHeight(int height);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor BorderColorValue = 0xB4A48A;
  int ItemHeightValue = 16;
};

// The one-pixel outline along a widget's outermost pixels.
void DrawOuterBorder(QPainter& painter, const QSize& size, TColor color);
