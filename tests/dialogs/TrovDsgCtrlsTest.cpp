// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "controls/TrovDsgCtrls.h"

namespace {

// Counts the paint events a widget receives.
class TPaintCounter : public QObject {
 public:
  int Paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++Paints;
    return false;
  }
};

// A window with a high-score-like grid (4 columns, one fixed column and row) and a line edit
// to take the focus away from it.
struct TGridWindow {
  QWidget Window;
  TTrovDsgStringGrid* Grid = new TTrovDsgStringGrid(&Window);
  QLineEdit* Other = new QLineEdit(&Window);

  explicit TGridWindow(int dataRows = 3) {
    Window.resize(460, 360);
    Grid->setGeometry(8, 8, 417, 321);
    Other->setGeometry(8, 332, 100, 20);
    Grid->SetColCount(4);
    Grid->SetFixedCols(1);
    Grid->SetFixedRows(1);
    Grid->SetRowCount(dataRows + 1);
    Grid->SetOptions(goVertLine | goHorzLine | goColSizing | goRowSelect | goThumbTracking);
    const int widths[] = {50, 187, 80, 70};
    for (int col = 0; col < 4; ++col) Grid->SetColWidth(col, widths[col]);
    Grid->SetCells(0, 0, "Rang");
    Grid->SetCells(1, 0, "Name");
    Grid->SetCells(2, 0, "Datum");
    Grid->SetCells(3, 0, "Spielzeit");
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
  }

  QImage Picture() const { return Grid->grab().toImage(); }
  QRgb Pixel(int x, int y) const { return Picture().pixel(x, y); }
  // Whether any pixel of the rectangle is darker than mid-grey (text is black).
  static bool HasInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
  }
  void Activate() {
    Window.activateWindow();
    QApplication::setActiveWindow(&Window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
  }
};

}  // namespace

TEST(ListViewColors, DefaultsAndNotification) {
  TListViewColors colors;
  EXPECT_EQ(static_cast<TColor>(colors.HeaderColor1), 0xECEBE8u);
  EXPECT_EQ(static_cast<TColor>(colors.BarFocused2), 0xECD1AFu);
  EXPECT_EQ(static_cast<TColor>(colors.ModsColor1), 0xF0F0F0u);
  int changes = 0;
  colors.OnChangeColors = [&] { ++changes; };
  colors.LineColor = 0x123456;
  EXPECT_EQ(changes, 1);
  ApplyHighscoreGridColors(colors);
  EXPECT_EQ(static_cast<TColor>(colors.ModsColor2), 0xFBF5EEu);
  EXPECT_EQ(static_cast<TColor>(colors.HeaderColor2), 0xD6D1CAu);
}

TEST(TrovDsgStringGrid, ConstructionDefaults) {
  TTrovDsgStringGrid grid;
  EXPECT_TRUE(grid.HeaderFrame());
  EXPECT_EQ(grid.BorderColor(), 0xB4A48Au);
  EXPECT_TRUE(grid.DrawRows());
  EXPECT_FALSE(grid.DrawMods);
  EXPECT_TRUE(grid.ShowRowHint);
  EXPECT_TRUE(grid.FillSelected);
  EXPECT_FALSE(grid.HideSelected);
  EXPECT_EQ(grid.EditorColor(), 0xCAE3E2u);
  EXPECT_EQ(grid.DefaultRowHeight(), 20);
  EXPECT_EQ(grid.font().family(), QString("Arial"));
  EXPECT_EQ(grid.font().pixelSize(), 13);
  EXPECT_EQ(grid.EditorFont(), grid.font());
  EXPECT_EQ(grid.Options(), goVertLine | goHorzLine | goEditing | goTabs | goThumbTracking);
  EXPECT_TRUE(grid.RightAlignedCols().isEmpty());
}

TEST(TrovDsgStringGrid, HeaderCellsInThirdsWithFrameLines) {
  TGridWindow w;
  const QRect cell = w.Grid->CellRect(1, 0);
  ASSERT_EQ(cell.height(), 20);
  const QImage image = w.Picture();
  const int x = cell.right() - 3;  // clear of the text
  const int third = 20 / 3;
  const TListViewColors& c = w.Grid->ListViewColors;
  EXPECT_EQ(image.pixel(x, cell.top()), RgbOf(c.HeaderColor1));
  EXPECT_EQ(image.pixel(x, cell.top() + third - 1), RgbOf(c.HeaderColor2));
  EXPECT_EQ(image.pixel(x, cell.top() + third), RgbOf(c.HeaderColor3));
  EXPECT_EQ(image.pixel(x, cell.bottom()), RgbOf(c.HeaderColor4));
  EXPECT_EQ(image.pixel(x, cell.bottom() + 1), RgbOf(c.LineColor)) << "line y = B";
  EXPECT_EQ(image.pixel(cell.right(), cell.top() + 5), RgbOf(c.LineColor)) << "line x = Rt - 1";

  // The fixed column's data cells have the header look as well.
  const QRect rank = w.Grid->CellRect(0, 2);
  EXPECT_EQ(w.Pixel(rank.left() + 1, rank.top()), RgbOf(c.HeaderColor1));

  w.Grid->SetHeaderFrame(false);
  EXPECT_EQ(w.Pixel(cell.right(), cell.top()), RgbOf(c.HeaderColor1));
  EXPECT_EQ(w.Pixel(cell.right() - 3, cell.bottom() + 1), RgbOf(0xFFFFFF));
}

TEST(TrovDsgStringGrid, TwoLineTextsAndBlankCells) {
  TGridWindow w;
  w.Grid->SetDefaultRowHeight(40);
  w.Grid->SetCells(1, 1, "Anna|Berta");
  w.Grid->SetCells(1, 2, "Anna");
  w.Grid->SetCells(1, 3, "    ");
  const QImage image = w.Picture();
  const int lineHeight = QFontMetrics(w.Grid->font()).height();
  auto secondLine = [&](int row) {
    const QRect cell = w.Grid->CellRect(1, row);
    return QRect(cell.left() + 2, cell.top() + 1 + lineHeight, cell.width() - 4,
                 cell.height() - 3 - lineHeight);
  };
  auto firstLine = [&](int row) {
    const QRect cell = w.Grid->CellRect(1, row);
    return QRect(cell.left() + 2, cell.top() + 1, cell.width() - 4, lineHeight);
  };
  EXPECT_TRUE(TGridWindow::HasInk(image, firstLine(1)));
  EXPECT_TRUE(TGridWindow::HasInk(image, secondLine(1)));
  EXPECT_TRUE(TGridWindow::HasInk(image, firstLine(2)));
  EXPECT_FALSE(TGridWindow::HasInk(image, secondLine(2))) << "one line only";
  EXPECT_FALSE(TGridWindow::HasInk(image, w.Grid->CellRect(1, 3))) << "blanks draw nothing";
  // The text starts at the top of the text rectangle, not centred.
  const QRect lower = w.Grid->CellRect(1, 2);
  EXPECT_FALSE(TGridWindow::HasInk(image, QRect(lower.left(), lower.top() + 1 + lineHeight,
                                                lower.width(), lower.height() - 1 - lineHeight)));
}

TEST(TrovDsgStringGrid, RightAlignedColumns) {
  TGridWindow w;
  w.Grid->SetCells(0, 1, "1");
  w.Grid->SetCells(1, 1, "x");
  const QRect rank = w.Grid->CellRect(0, 1);
  const QRect name = w.Grid->CellRect(1, 1);
  auto leftHalf = [](const QRect& r) {
    return QRect(r.left(), r.top(), r.width() / 2, r.height());
  };
  auto rightHalf = [](const QRect& r) {
    return QRect(r.left() + r.width() / 2, r.top(), r.width() / 2, r.height());
  };
  QImage image = w.Picture();
  EXPECT_TRUE(TGridWindow::HasInk(image, leftHalf(rank)));
  w.Grid->SetRightAlignedCols({0});
  image = w.Picture();
  EXPECT_FALSE(TGridWindow::HasInk(image, leftHalf(rank)));
  EXPECT_TRUE(TGridWindow::HasInk(image, rightHalf(rank)));
  EXPECT_TRUE(TGridWindow::HasInk(image, leftHalf(name))) << "other columns stay left";
  // The text keeps 2 pixels from the right edge.
  EXPECT_FALSE(TGridWindow::HasInk(image, QRect(rank.right() - 1, rank.top(), 2, rank.height())));
}

TEST(TrovDsgStringGrid, ModsTintAndSelectionBars) {
  TGridWindow w(4);
  ApplyHighscoreGridColors(w.Grid->ListViewColors);
  w.Grid->DrawMods = true;
  w.Grid->setCurrentCell(w.Grid->TableRowOf(3), 1);
  w.Activate();
  w.Other->setFocus();
  QApplication::processEvents();
  const TListViewColors& c = w.Grid->ListViewColors;
  auto top = [&](int row) {
    const QRect cell = w.Grid->CellRect(2, row);
    return w.Pixel(cell.right() - 1, cell.top());
  };
  ASSERT_TRUE(w.Grid->IsCellSelected(2, 3));
  EXPECT_FALSE(w.Grid->GridFocused());
  EXPECT_EQ(top(1), RgbOf(c.ModsColor1));
  EXPECT_EQ(top(2), RgbOf(0xFFFFFF));
  EXPECT_EQ(top(3), RgbOf(c.BarSelected1)) << "the selected row shows the bar instead";
  EXPECT_EQ(top(4), RgbOf(0xFFFFFF));
  const QRect selected = w.Grid->CellRect(2, 3);
  EXPECT_EQ(w.Pixel(selected.right() - 1, selected.bottom()), RgbOf(c.BarSelected2));
  // A grid line between data cells.
  EXPECT_EQ(w.Pixel(selected.right() + 1, selected.top() + 3), RgbOf(GridLineColor));

  w.Grid->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(w.Grid->GridFocused());
  EXPECT_EQ(top(3), RgbOf(c.BarFocused1));
  EXPECT_EQ(w.Pixel(selected.right() - 1, selected.bottom()), RgbOf(c.BarFocused2));

  w.Grid->HideSelected = true;
  w.Grid->viewport()->update();
  EXPECT_EQ(w.Pixel(selected.left(), selected.top() + 5), RgbOf(c.LineFocused));
  EXPECT_EQ(w.Pixel(selected.right(), selected.top() + 5), RgbOf(c.LineFocused));

  w.Other->setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(w.Grid->GridFocused());
  EXPECT_EQ(top(3), RgbOf(c.BarSelected1));
  EXPECT_NE(w.Pixel(selected.left(), selected.top() + 5), RgbOf(c.LineFocused));
}

TEST(TrovDsgStringGrid, WithoutFillSelectedTheBackgroundStays) {
  TGridWindow w;
  w.Grid->DrawMods = true;
  w.Grid->FillSelected = false;
  const QRect cell = w.Grid->CellRect(2, 1);
  EXPECT_EQ(w.Pixel(cell.right() - 1, cell.top()), RgbOf(0xFFFFFF)) << "viewport white";
}

TEST(TrovDsgStringGrid, BorderRepaintsOnlyOnChange) {
  TGridWindow w;
  const QSize size = w.Grid->size();
  EXPECT_EQ(w.Pixel(0, 0), RgbOf(0xB4A48A));
  EXPECT_EQ(w.Pixel(size.width() - 1, size.height() - 1), RgbOf(0xB4A48A));
  EXPECT_EQ(w.Pixel(size.width() / 2, size.height() - 1), RgbOf(0xB4A48A));

  TPaintCounter counter;
  w.Grid->installEventFilter(&counter);
  QApplication::processEvents();
  counter.Paints = 0;
  w.Grid->SetBorderColor(0x766349);
  QApplication::processEvents();
  EXPECT_GE(counter.Paints, 1);
  EXPECT_EQ(w.Pixel(0, size.height() / 2), RgbOf(0x766349));
  counter.Paints = 0;
  w.Grid->SetBorderColor(0x766349);
  QApplication::processEvents();
  EXPECT_EQ(counter.Paints, 0);
}

TEST(TrovDsgStringGrid, RowHintListsTheRow) {
  TGridWindow w;
  w.Grid->SetCells(0, 1, "1");
  w.Grid->SetCells(1, 1, "Anna");
  w.Grid->SetCells(2, 1, "17.05.2010");
  w.Grid->SetCells(3, 1, "00:01:30");
  w.Grid->SetCells(0, 2, "2");
  w.Grid->SetCells(1, 2, "");
  w.Grid->SetCells(2, 2, "a|b");
  w.Grid->SetCells(3, 2, "00:02:10");
  QWidget* viewport = w.Grid->viewport();
  auto centre = [&](int col, int row) {
    return w.Grid->CellRect(col, row).center() - viewport->geometry().topLeft();
  };
  w.Grid->ShowHint = false;
  QTest::mouseMove(viewport, centre(2, 1));
  EXPECT_TRUE(w.Grid->ShowHint) << "the row hint switches tooltips on";
  EXPECT_EQ(w.Grid->RowHint(), QString("Name: Anna\nDatum: 17.05.2010\nSpielzeit: 00:01:30\n"));
  EXPECT_EQ(w.Grid->LastHintRow(), 1);

  QTest::mouseMove(viewport, centre(3, 2));
  EXPECT_EQ(w.Grid->RowHint(), QString("Datum: a/b\nSpielzeit: 00:02:10\n"))
      << "no name line; '|' becomes '/'";
  EXPECT_EQ(w.Grid->LastHintRow(), 2);

  QTest::mouseMove(viewport, centre(0, 2));
  EXPECT_TRUE(w.Grid->RowHint().isEmpty()) << "over a fixed cell";
  EXPECT_EQ(w.Grid->LastHintRow(), 2);

  w.Grid->ShowRowHint = false;
  QTest::mouseMove(viewport, centre(1, 1));
  EXPECT_EQ(w.Grid->LastHintRow(), 2) << "no hint built";
}

TEST(TrovDsgStringGrid, CellsInGridNumbering) {
  TTrovDsgStringGrid grid;
  grid.SetColCount(4);
  grid.SetFixedRows(1);
  grid.SetRowCount(2);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.rowCount(), 1);
  grid.SetCells(1, 0, "Name");
  grid.SetCells(1, 1, "Anna");
  EXPECT_EQ(grid.Cells(1, 0), QString("Name"));
  EXPECT_EQ(grid.Cells(1, 1), QString("Anna"));
  EXPECT_EQ(grid.Cells(2, 1), QString());
  grid.SetColWidth(1, 187);
  EXPECT_EQ(grid.ColWidth(1), 187);
}

TEST(TrovDsgStringGrid, EditorLook) {
  TGridWindow w;
  w.Grid->SetOptions(w.Grid->Options() | goEditing);
  w.Grid->setCurrentCell(0, 1);
  w.Grid->SetCells(1, 1, "x");
  w.Grid->edit(w.Grid->model()->index(0, 1));
  QApplication::processEvents();
  const auto editors = w.Grid->viewport()->findChildren<TDsgInplaceEdit*>();
  ASSERT_EQ(editors.size(), 1);
  EXPECT_EQ(editors[0]->palette().color(QPalette::Base), ColorOf(0xCAE3E2));
  w.Grid->SetEditorColor(0x00FF00);
  EXPECT_EQ(editors[0]->palette().color(QPalette::Base), ColorOf(0x00FF00));
  QFont big = TTrovDsgStringGrid().font();
  big.setPixelSize(20);
  w.Grid->SetEditorFont(big);
  EXPECT_EQ(editors[0]->font().pixelSize(), 20);
}

TEST(TrovDsgComboBox, DefaultsAndBorder) {
  QWidget window;
  window.resize(300, 100);
  auto* combo = new TTrovDsgComboBox(&window);
  combo->setGeometry(10, 10, 253, 24);
  combo->addItems({"Deutsch | German | Alemán", "Englisch | English | Inglés"});
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(combo->BorderColor(), 0xB4A48Au);
  EXPECT_EQ(combo->font().pixelSize(), 13);
  EXPECT_EQ(combo->ItemHeight(), 16);
  QImage image = combo->grab().toImage();
  EXPECT_EQ(image.pixel(0, 0), RgbOf(0xB4A48A));
  EXPECT_EQ(image.pixel(252, 23), RgbOf(0xB4A48A));
  EXPECT_EQ(image.pixel(100, 23), RgbOf(0xB4A48A));
  combo->SetBorderColor(0x2E303B);
  image = combo->grab().toImage();
  EXPECT_EQ(image.pixel(0, 12), RgbOf(0x2E303B));
  EXPECT_EQ(image.pixel(252, 12), RgbOf(0x2E303B));
  combo->setEditable(true);
  image = combo->grab().toImage();
  EXPECT_EQ(image.pixel(100, 0), RgbOf(0x2E303B)) << "also as an editable box";
  combo->SetItemHeight(16);
  EXPECT_EQ(combo->view()->sizeHintForRow(0), 16);
}
