// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/TrovDsgCtrls.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include "controls/ClickableControl.h"
#include "controls/PlainText.h"

void ApplyHighscoreGridColors(TListViewColors& colors) {
  colors.HeaderColor1 = 0xECEAE7;
  colors.HeaderColor2 = 0xD6D1CA;
  colors.HeaderColor3 = 0xD3CCC5;
  colors.HeaderColor4 = 0xDFDBD6;
  colors.BarColor1 = 0xFFFFFF;
  colors.BarColor2 = 0xFFFFFF;
  colors.BarSelected1 = 0xDFDBD6;
  colors.BarSelected2 = 0xD3CCC5;
  colors.BarFocused1 = 0xF4E3CF;
  colors.BarFocused2 = 0xECD1AF;
  colors.LineColor = 0x918B7B;
  colors.LineFocused = 0x605B4F;
  colors.ModsColor1 = 0xFBF5EE;
  colors.ModsColor2 = 0xFBF5EE;
}

void DrawOuterBorder(QPainter& painter, const QSize& size, TColor color) {
  const int right = size.width() - 1;
  const int bottom = size.height() - 1;
  if (right < 0 || bottom < 0) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setClipping(false);
  painter.setPen(QPen(ColorOf(color), 1));
  // From the bottom-left corner up, along the top, down the right edge, back along the bottom.
  painter.drawLine(0, bottom, 0, 0);
  painter.drawLine(0, 0, right, 0);
  painter.drawLine(right, 0, right, bottom);
  painter.drawLine(right, bottom, 0, bottom);
  painter.restore();
}

TDsgInplaceEdit::TDsgInplaceEdit(QWidget* parent) : QLineEdit(parent) {}

// ---------------------------------------------------------------------------
// The delegate paints every data cell through the grid and makes its editors.

class TGridDelegate : public QStyledItemDelegate {
 public:
  explicit TGridDelegate(TTrovDsgStringGrid* grid) : QStyledItemDelegate(grid), Grid(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    painter->save();
    const QRect cell = option.rect.adjusted(0, 0, -1, -1);
    const int col = index.column();
    const int row = Grid->GridRowOf(index.row());
    const bool fixed = row < Grid->FixedRows() || col < Grid->FixedCols();
    // The grid-line pixels just outside the cell: right column and bottom row.
    const TGridOptions options = Grid->Options();
    const TColor vertical = !fixed && (options & goVertLine) ? GridLineColor : 0xFFFFFF;
    const TColor horizontal = !fixed && (options & goHorzLine) ? GridLineColor : 0xFFFFFF;
    painter->fillRect(QRect(option.rect.right(), option.rect.top(), 1, option.rect.height()),
                      ColorOf(vertical));
    painter->fillRect(QRect(option.rect.left(), option.rect.bottom(), option.rect.width(), 1),
                      ColorOf(horizontal));
    Grid->DrawCell(*painter, col, row, cell, option.state & QStyle::State_Selected);
    painter->restore();
  }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex&) const override {
    auto* editor = new TDsgInplaceEdit(parent);
    editor->setFrame(false);
    Grid->ApplyEditorLook(editor);
    return editor;
  }

 private:
  TTrovDsgStringGrid* Grid;
};

// The header row: the grid's fixed row 0, painted in the header look.
class TGridHeader : public QHeaderView {
 public:
  explicit TGridHeader(TTrovDsgStringGrid* grid) : QHeaderView(Qt::Horizontal, grid), Grid(grid) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setMouseTracking(true);
  }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
    painter->save();
    painter->fillRect(rect, ColorOf(0xFFFFFF));
    Grid->DrawCell(*painter, logicalIndex, 0, rect.adjusted(0, 0, -1, -1), false);
    painter->restore();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    QHeaderView::mouseMoveEvent(event);
    if (Grid->ShowRowHint) Grid->BuildRowHint(QPoint(-1, -1));
  }

 private:
  TTrovDsgStringGrid* Grid;
};

// ---------------------------------------------------------------------------

int TGridCells::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(Rows.size());
}

int TGridCells::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Columns;
}

QVariant TGridCells::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const TCell& cell = Rows[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
  if (role == Qt::DisplayRole || role == Qt::EditRole) return cell.Text;
  if (role == Qt::UserRole) return QVariant::fromValue(cell.Object);
  return {};
}

bool TGridCells::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return false;
  Rows[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())].Text =
      value.toString();
  emit dataChanged(index, index, {role});
  return true;
}

Qt::ItemFlags TGridCells::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                         : Qt::NoItemFlags;
}

void TGridCells::SetRowCount(int rows) {
  const int old = rowCount();
  if (rows > old) {
    beginInsertRows({}, old, rows - 1);
    Rows.resize(static_cast<size_t>(rows), std::vector<TCell>(static_cast<size_t>(Columns)));
    endInsertRows();
  } else if (rows < old) {
    beginRemoveRows({}, rows, old - 1);
    Rows.resize(static_cast<size_t>(rows));
    endRemoveRows();
  }
}

void TGridCells::SetColumnCount(int cols) {
  const int old = Columns;
  if (cols > old) {
    beginInsertColumns({}, old, cols - 1);
  } else if (cols < old) {
    beginRemoveColumns({}, cols, old - 1);
  } else {
    return;
  }
  Columns = cols;
  for (auto& row : Rows) row.resize(static_cast<size_t>(cols));
  cols > old ? endInsertColumns() : endRemoveColumns();
}

void TGridCells::InsertRow(int row) {
  beginInsertRows({}, row, row);
  Rows.insert(Rows.begin() + row, std::vector<TCell>(static_cast<size_t>(Columns)));
  endInsertRows();
}

void TGridCells::RemoveRow(int row) {
  beginRemoveRows({}, row, row);
  Rows.erase(Rows.begin() + row);
  endRemoveRows();
}

void TGridCells::SetObject(int row, int col, QObject* object) {
  Rows[static_cast<size_t>(row)][static_cast<size_t>(col)].Object = object;
}

// ---------------------------------------------------------------------------

QVariant TGridShownRows::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return HeaderTexts.value(section);
  return QIdentityProxyModel::headerData(section, orientation, role);
}

// ---------------------------------------------------------------------------

TTrovDsgStringGrid::TTrovDsgStringGrid(QWidget* parent)
    : QTableView(parent),
      OwnCells(new TGridCells(this)),
      ShownRows(new TGridShownRows(HeaderTexts, this)) {
  ShownRows->setSourceModel(OwnCells);
  setModel(ShownRows);
  ListViewColors.OnChangeColors = [this] { RepaintAll(); };
  setFont(ProgramFont(QStringLiteral("Arial"), 10));
  EditorFontValue = font();
  QPalette colours = palette();
  colours.setColor(QPalette::Base, ColorOf(0xFFFFFF));
  colours.setColor(QPalette::Window, ColorOf(0xFFFFFF));
  colours.setColor(QPalette::Text, ColorOf(FontColor));
  setPalette(colours);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setShowGrid(false);  // the delegate draws the grid lines with the cells
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setItemDelegate(new TGridDelegate(this));
  setHorizontalHeader(new TGridHeader(this));
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setStretchLastSection(false);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
  SetDefaultRowHeight(20);
  SetOptions(goVertLine | goHorzLine | goEditing | goTabs | goThumbTracking);
  SetColCount(5);
  SetRowCount(5);
}

TTrovDsgStringGrid::~TTrovDsgStringGrid() { ListViewColors.OnChangeColors = nullptr; }

void TTrovDsgStringGrid::SetHeaderFrame(bool value) {
  SetLook(HasHeaderFrame, value, [this] { RepaintAll(); });
}

void TTrovDsgStringGrid::SetBorderColor(TColor value) {
  SetLook(BorderColorValue, value, [this] { RepaintAll(); });
}

void TTrovDsgStringGrid::SetDrawRows(bool value) {
  SetLook(DrawRowsValue, value, [this] { RepaintAll(); });
}

void TTrovDsgStringGrid::SetEditorFont(const QFont& font) {
  EditorFontValue = font;
  for (TDsgInplaceEdit* editor : viewport()->findChildren<TDsgInplaceEdit*>())
    ApplyEditorLook(editor);
}

void TTrovDsgStringGrid::SetEditorColor(TColor value) {
  SetLook(EditorColorValue, value, [this] {
    for (TDsgInplaceEdit* editor : viewport()->findChildren<TDsgInplaceEdit*>())
      ApplyEditorLook(editor);
  });
}

void TTrovDsgStringGrid::ApplyEditorLook(TDsgInplaceEdit* editor) const {
  editor->setFont(EditorFontValue);
  QPalette colours = editor->palette();
  colours.setColor(QPalette::Base, ColorOf(EditorColorValue));
  colours.setColor(QPalette::Text, ColorOf(FontColor));
  editor->setPalette(colours);
  editor->setAutoFillBackground(true);
}

void TTrovDsgStringGrid::SetRightAlignedCols(const QList<int>& cols) {
  RightAlignedColList = cols;
  RepaintAll();
}

void TTrovDsgStringGrid::LockUpdate() {
  HadFocusBeforeLock = hasFocus();
  setUpdatesEnabled(false);
  hide();
}

void TTrovDsgStringGrid::UnlockUpdate() {
  setUpdatesEnabled(true);
  show();
  if (HadFocusBeforeLock && window()->isActiveWindow()) setFocus();
  HadFocusBeforeLock = false;
  RepaintAll();
}

void TTrovDsgStringGrid::SetOptions(TGridOptions options) {
  OptionsValue = options;
  setEditTriggers(options & goEditing
                      ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed
                      : QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(options & goTabs);
  verticalScrollBar()->setTracking(options & goThumbTracking);
  horizontalScrollBar()->setTracking(options & goThumbTracking);
  horizontalHeader()->setSectionResizeMode(options & goColSizing ? QHeaderView::Interactive
                                                                 : QHeaderView::Fixed);
  setSelectionBehavior(options & goRowSelect ? QAbstractItemView::SelectRows
                                             : QAbstractItemView::SelectItems);
  setSelectionMode(options & goRangeSelect ? QAbstractItemView::ExtendedSelection
                                           : QAbstractItemView::SingleSelection);
  RepaintAll();
}

void TTrovDsgStringGrid::SetRowSource(QAbstractItemModel* source) {
  QAbstractItemModel* wanted = source ? source : OwnCells;
  if (ShownRows->sourceModel() == wanted) return;
  // The widths are the grid's, not the model's: they stay.
  QList<int> widths;
  for (int col = 0; col < columnCount(); ++col) widths << columnWidth(col);
  ShownRows->setSourceModel(wanted);
  for (int col = 0; col < columnCount(); ++col) setColumnWidth(col, widths.value(col, 65));
  RepaintAll();
}

QAbstractItemModel* TTrovDsgStringGrid::RowSource() const {
  return ShownRows->sourceModel() == OwnCells ? nullptr : ShownRows->sourceModel();
}

void TTrovDsgStringGrid::setCurrentCell(int tableRow, int col) {
  setCurrentIndex(model()->index(tableRow, col));
}

int TTrovDsgStringGrid::RowCount() const { return rowCount() + FixedRowCount; }

// A grid keeps at least one row that is not fixed: too few rows for the fixed
// row make it a plain one, its texts and all.
void TTrovDsgStringGrid::SetRowCount(int rows) {
  if (FixedRowCount > 0 && rows >= 1 && rows <= FixedRowCount) SetFixedRows(rows - 1);
  OwnCells->SetRowCount(std::max(0, rows - FixedRowCount));
}

void TTrovDsgStringGrid::SetColCount(int cols) {
  const int old = OwnCells->columnCount();
  OwnCells->SetColumnCount(cols);
  while (HeaderTexts.size() < cols) HeaderTexts << QString();
  for (int col = old; col < cols; ++col) SetColWidth(col, 64);
}

void TTrovDsgStringGrid::SetFixedRows(int rows) {
  rows = rows > 0 ? 1 : 0;
  if (rows == FixedRowCount) return;
  // The header row becomes a table row or the other way round; its texts move along.
  QStringList header;
  for (int col = 0; col < columnCount(); ++col) header << Cells(col, 0);
  if (rows == 1) {
    if (OwnCells->rowCount() > 0) OwnCells->RemoveRow(0);
    FixedRowCount = 1;
    horizontalHeader()->show();
  } else {
    FixedRowCount = 0;
    OwnCells->InsertRow(0);
    horizontalHeader()->hide();
  }
  for (int col = 0; col < columnCount(); ++col) SetCells(col, 0, header[col]);
  RepaintAll();
}

void TTrovDsgStringGrid::SetFixedCols(int cols) {
  FixedColCount = std::max(0, cols);
  RepaintAll();
}

void TTrovDsgStringGrid::SetDefaultRowHeight(int height) {
  DefaultRowHeightValue = height;
  verticalHeader()->setDefaultSectionSize(height + 1);  // the grid line comes on top
  horizontalHeader()->setFixedHeight(height + 1);
}

int TTrovDsgStringGrid::ColWidth(int col) const { return columnWidth(col) - 1; }

void TTrovDsgStringGrid::SetColWidth(int col, int width) { setColumnWidth(col, width + 1); }

QString TTrovDsgStringGrid::Cells(int col, int row) const {
  if (row < FixedRowCount) return HeaderTexts.value(col);
  return model()->index(TableRowOf(row), col).data(Qt::DisplayRole).toString();
}

void TTrovDsgStringGrid::SetCells(int col, int row, const QString& text) {
  if (col < 0 || col >= columnCount()) return;
  if (row < FixedRowCount) {
    while (HeaderTexts.size() <= col) HeaderTexts << QString();
    HeaderTexts[col] = text;
    emit ShownRows->headerDataChanged(Qt::Horizontal, col, col);
    return;
  }
  const int tableRow = TableRowOf(row);
  if (RowSource() || tableRow < 0 || tableRow >= rowCount()) return;
  OwnCells->setData(OwnCells->index(tableRow, col), text, Qt::EditRole);
}

QObject* TTrovDsgStringGrid::Objects(int col, int row) const {
  if (row < FixedRowCount) return nullptr;
  return model()->index(TableRowOf(row), col).data(Qt::UserRole).value<QObject*>();
}

void TTrovDsgStringGrid::SetObjects(int col, int row, QObject* object) {
  if (RowSource() || row < FixedRowCount || col < 0 || col >= columnCount()) return;
  const int tableRow = TableRowOf(row);
  if (tableRow < 0 || tableRow >= rowCount()) return;
  OwnCells->SetObject(tableRow, col, object);
}

QRect TTrovDsgStringGrid::CellRect(int col, int row) const {
  QRect section;
  if (row < FixedRowCount) {
    const QHeaderView* header = horizontalHeader();
    section =
        QRect(header->sectionViewportPosition(col), 0, header->sectionSize(col), header->height());
    section.translate(header->geometry().topLeft());
  } else {
    section = visualRect(model()->index(TableRowOf(row), col));
    section.translate(viewport()->geometry().topLeft());
  }
  return section.adjusted(0, 0, -1, -1);
}

bool TTrovDsgStringGrid::IsCellSelected(int col, int row) const {
  if (row < FixedRowCount) return false;
  return selectionModel()->isSelected(model()->index(TableRowOf(row), col));
}

void TTrovDsgStringGrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect,
                                  bool selected) {
  const QString text = Cells(col, row);
  if (row < FixedRowCount || col < FixedColCount) {
    DrawFixedCell(painter, col, rect, text);
    return;
  }
  const TListViewColors& c = ListViewColors;
  TColor top = 0xFFFFFF, bottom = 0xFFFFFF;
  if (selected) {
    top = IsGridFocused ? c.BarFocused1 : c.BarSelected1;
    bottom = IsGridFocused ? c.BarFocused2 : c.BarSelected2;
  } else if (DrawMods && row % 2 == 1) {
    top = c.ModsColor1;
    bottom = c.ModsColor2;
  }
  if (FillSelected) FillVerticalGradient(painter, rect, top, bottom);
  if (!text.trimmed().isEmpty()) DrawCellText(painter, col, rect, text);
  if (selected && HideSelected && IsGridFocused) {
    painter.setPen(QPen(ColorOf(c.LineFocused), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.left(), rect.top(), rect.width() - 1, rect.height() - 1);
  }
}

void TTrovDsgStringGrid::DrawFixedCell(QPainter& painter, int col, const QRect& rect,
                                       const QString& text) {
  const TListViewColors& c = ListViewColors;
  const int L = rect.left(), T = rect.top();
  const int Rt = rect.left() + rect.width(), B = rect.top() + rect.height();
  const int third = (B - T) / 3;
  FillVerticalGradient(painter, QRect(L, T, Rt - L, third), c.HeaderColor1, c.HeaderColor2);
  FillVerticalGradient(painter, QRect(L, T + third, Rt - L, B - T - third), c.HeaderColor3,
                       c.HeaderColor4);
  if (HasHeaderFrame) {
    painter.fillRect(QRect(L, B, Rt - L, 1), ColorOf(c.LineColor));
    painter.fillRect(QRect(Rt - 1, T, 1, B - T), ColorOf(c.LineColor));
  }
  DrawCellText(painter, col, rect, text);
}

void TTrovDsgStringGrid::DrawCellText(QPainter& painter, int col, const QRect& rect,
                                      const QString& text) {
  QRect area = rect.adjusted(2, 1, -2, -2);  // [L+2, Rt-2) x [T+1, B-2)
  if (area.width() <= 0 || area.height() <= 0) return;
  const int flags = (RightAlignedColList.contains(col) ? Qt::AlignRight : Qt::AlignLeft) |
                    Qt::AlignTop | Qt::TextSingleLine;
  painter.save();
  painter.setFont(font());
  painter.setPen(ColorOf(FontColor));
  auto draw = [&](const QString& line) {
    if (area.height() <= 0) return;
    painter.setClipRect(area);
    painter.drawText(area, flags, line);
  };
  const qsizetype bar = text.indexOf(QLatin1Char('|'));
  if (bar >= 0) {
    draw(text.left(bar));
    area.setTop(area.top() + QFontMetrics(font()).height());
    draw(text.mid(bar + 1));
  } else {
    draw(text);
  }
  painter.restore();
}

void TTrovDsgStringGrid::RepaintAll() {
  update();
  viewport()->update();
  horizontalHeader()->viewport()->update();
}

bool TTrovDsgStringGrid::event(QEvent* event) {
  const bool result = QTableView::event(event);
  if (event->type() == QEvent::Paint) {
    QPainter painter(this);
    DrawOuterBorder(painter, size(), BorderColorValue);
  }
  return result;
}

bool TTrovDsgStringGrid::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (ShowHint && !RowHintText.isEmpty()) {
      QToolTip::showText(help->globalPos(), PlainTextAsMarkup(RowHintText), viewport());
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QTableView::viewportEvent(event);
}

void TTrovDsgStringGrid::focusInEvent(QFocusEvent* event) {
  SetLook(IsGridFocused, true, [this] { RepaintAll(); });
  QTableView::focusInEvent(event);
}

void TTrovDsgStringGrid::focusOutEvent(QFocusEvent* event) {
  SetLook(IsGridFocused, false, [this] { RepaintAll(); });
  QTableView::focusOutEvent(event);
}

void TTrovDsgStringGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  RepaintAll();
}

void TTrovDsgStringGrid::mouseMoveEvent(QMouseEvent* event) {
  QTableView::mouseMoveEvent(event);
  if (ShowRowHint) BuildRowHint(event->position().toPoint());
}

void TTrovDsgStringGrid::BuildRowHint(const QPoint& viewportPos) {
  ShowHint = true;
  const QModelIndex index = viewportPos.x() < 0 ? QModelIndex() : indexAt(viewportPos);
  int row = -1;
  QString hint;
  if (index.isValid()) {
    row = GridRowOf(index.row());
    if (index.column() >= FixedColCount && row >= FixedRowCount) {
      for (int col = FixedColCount; col < columnCount(); ++col) {
        const QString cell = Cells(col, row);
        if (cell.isEmpty()) continue;
        QString line = Cells(col, 0) + QStringLiteral(": ") + cell;
        line.replace(QLatin1Char('|'), QLatin1Char('/'));
        hint += line + QLatin1Char('\n');
      }
    }
  } else if (viewportPos.x() < 0) {
    row = 0;  // over the header row
  }
  RowHintText = hint;
  if (row != HintRowShown) {
    QToolTip::hideText();
    HintRowShown = row;
  }
}

// ---------------------------------------------------------------------------

namespace {

class TComboItemDelegate : public QStyledItemDelegate {
 public:
  TComboItemDelegate(const int& height, QObject* parent)
      : QStyledItemDelegate(parent), Height(height) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(Height);
    return size;
  }

 private:
  const int& Height;
};

}  // namespace

TTrovDsgComboBox::TTrovDsgComboBox(QWidget* parent) : QComboBox(parent) {
  setFont(ProgramFont(QStringLiteral("Arial"), 10));
  QPalette colours = palette();
  colours.setColor(QPalette::Base, ColorOf(0xFFFFFF));
  colours.setColor(QPalette::Button, ColorOf(0xFFFFFF));
  colours.setColor(QPalette::Text, ColorOf(0x000000));
  colours.setColor(QPalette::ButtonText, ColorOf(0x000000));
  colours.setColor(QPalette::WindowText, ColorOf(0x000000));
  setPalette(colours);
  setItemDelegate(new TComboItemDelegate(ItemHeightValue, this));
}

void TTrovDsgComboBox::SetBorderColor(TColor value) {
  SetLook(BorderColorValue, value, [this] { update(); });
}

void TTrovDsgComboBox::SetItemHeight(int height) {
  ItemHeightValue = height;
  view()->doItemsLayout();
}

void TTrovDsgComboBox::paintEvent(QPaintEvent* event) {
  QComboBox::paintEvent(event);
  QPainter painter(this);
  DrawOuterBorder(painter, size(), BorderColorValue);
}
