// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/Unit_DLG_Highscore.h"

#include <malloc.h>

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <exception>

#include "controls/MessageBoxes.h"
#include "dialogs/HighscoreRows.h"
#include "localization/Unit_Language.h"
#include "media/ScreenCursor.h"
#include "persistence/PendingResults.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"

QString ShortDateFormat() {
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  // Qt's short formats often carry a two-digit year; the program shows four.
  static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
  format.replace(twoDigitYear, QStringLiteral("yyyy"));
  return format;
}

bool StoredDateToDisplay(const QString& text, QString& display) {
  const QString format = ShortDateFormat();
  QDate date = QLocale().toDate(text.trimmed(), format);
  if (!date.isValid()) {
    // The stored form: year, month and day separated by hyphens.
    static const QRegularExpression stored(
        QStringLiteral("^\\s*(\\d{1,4})-(\\d{1,2})-(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch match = stored.match(text);
    if (match.hasMatch())
      date = QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
  }
  if (!date.isValid()) return false;
  display = QLocale().toString(date, format);
  return true;
}

TDLG_Highscore::TDLG_Highscore(QWidget* owner) : TProgramDialog(owner, {434, 377}) {
  TTrovDsgStringGrid& grid = StringGrid_Highscore;
  grid.setGeometry(8, 8, 417, 321);
  grid.SetDefaultRowHeight(20);
  grid.SetOptions(goVertLine | goHorzLine | goColSizing | goRowSelect | goThumbTracking);
  grid.SetDrawRows(true);
  grid.DrawMods = true;
  grid.SetHeaderFrame(true);
  grid.SetBorderColor(0x766349);
  grid.SetEditorColor(0xCAE3E2);
  ApplyHighscoreGridColors(grid.ListViewColors);
  grid.setFont(DialogFont());
  grid.FontColor = 0x000000;
  grid.ShowHint = true;

  SetUpButton(Button_Clear, {120, 338, 186, 28}, CapClearHighscore);
  SetUpButton(Button_OK, {312, 338, 113, 28}, CapClose);
  Button_OK.Cancel = true;
  Button_OK.OnClick = [this] { Button_OKClick(); };
  Button_Clear.OnClick = [this] { Button_ClearClick(); };
  setTabOrder(&grid, &Button_Clear);
  setTabOrder(&Button_Clear, &Button_OK);

  Timer1.setInterval(300);
  connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  Timer1.start();

  // An error while filling the list goes to the error box; the dialog opens all the same.
  SucceedsOrShowsError([this] { FormCreate(); });
  grid.setFocus();
}

TDLG_Highscore::~TDLG_Highscore() { FormDestroy(); }

void TDLG_Highscore::FormCreate() {
  setWindowTitle(CapHighscore);
  StringGrid_Highscore.setAccessibleName(CapHighscore);
  Button_Clear.SetCaption(CapClearHighscore);
  Button_Clear.setToolTip(HintClearHighscore);
  Button_OK.SetCaption(CapClose);

  TTrovDsgStringGrid& grid = StringGrid_Highscore;
  grid.SetColCount(4);
  grid.SetFixedRows(1);
  grid.SetRowCount(2);
  grid.SetFixedCols(1);
  grid.SetRightAlignedCols({0});
  grid.SetColWidth(0, 50);
  grid.SetColWidth(1, grid.width() - 230);
  grid.SetColWidth(2, 80);
  grid.SetColWidth(3, 70);
  const QString headers[] = {ColRank, ColName, ColDate, ColPlayTime};
  for (int col = 0; col < 4; ++col) {
    for (int row = 1; row < grid.RowCount(); ++row) grid.SetCells(col, row, QString());
    grid.SetCells(col, 0, headers[col]);
  }
  FillList();
}

void TDLG_Highscore::FormDestroy() {
  Timer1.stop();
  FreeRows();
  // The pages the list read would stay cached for as long as the program runs,
  // and the heap the rows freed would stay with the process: both go back.
  if (Database) Database->ReleaseMemory();
  malloc_trim(0);
}

void TDLG_Highscore::FreeRows() {
  TTrovDsgStringGrid& grid = StringGrid_Highscore;
  grid.SetRowSource(nullptr);
  delete Rows;
  Rows = nullptr;
  grid.SetRowCount(2);
  for (int col = 0; col < grid.ColCount(); ++col) grid.SetCells(col, 1, QString());
}

void TDLG_Highscore::FillList() {
  FreeRows();
  if (!Database->HasTable(QStringLiteral("tab_spieler"))) return;
  // Results that waited for the database are stored first, so the list shows them.
  StorePendingResults();
  TTrovDsgStringGrid& grid = StringGrid_Highscore;
  SetScreenCursor(Qt::WaitCursor);
  struct TCleanUp {
    TTrovDsgStringGrid& Grid;
    ~TCleanUp() {
      Grid.UnlockUpdate();
      ResetScreenCursor();
    }
  };
  TCleanUp cleanUp{grid};
  grid.LockUpdate();
  auto rows = std::make_unique<THighscoreRows>(this);
  if (rows->rowCount() == 0) {
    // The header row alone: the grid keeps no fixed row then.
    grid.SetRowCount(1);
    return;
  }
  grid.SetFixedRows(1);
  Rows = rows.release();
  grid.SetRowSource(Rows);
  grid.setCurrentCell(0, 1);
}

QString TDLG_Highscore::ResultIdOfRow(int gridRow) const {
  const TTrovDsgStringGrid& grid = StringGrid_Highscore;
  if (!Rows || gridRow < grid.FixedRows()) return QString();
  return Rows->ResultId(grid.TableRowOf(gridRow));
}

void TDLG_Highscore::Button_ClearClick() {
  if (!AskConfirmation(MsgConfirmClearHighscore)) return;
  try {
    ClearResults();
  } catch (const std::exception&) {
    ShowErrorBox(MsgClearHighscoreFailed);
    return;
  }
  // The list is read anew; should that fail, the error is told and the dialog stays open.
  SucceedsOrShowsError([this] { FillList(); });
}

void TDLG_Highscore::Timer1Timer() {
  const bool enable = StringGrid_Highscore.RowCount() > 1;
  if (Button_Clear.Enabled() != enable) Button_Clear.SetEnabled(enable);
}

void TDLG_Highscore::Button_OKClick() { done(QDialog::Rejected); }
