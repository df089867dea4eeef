// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include "dialogs/Unit_DLG_Great.h"
#include "dialogs/Unit_DLG_Help.h"
#include "dialogs/Unit_DLG_Highscore.h"
#include "dialogs/Unit_DLG_Info.h"
#include "dialogs/Unit_DLG_Player.h"
#include "dialogs/Unit_DLG_Setup.h"
#include "localization/Unit_DLG_Language.h"
#include "tests/dialogs/DialogDatabaseFixture.h"

namespace {

// Names that a guessing widget would take for markup, or that try other tricks.
const QStringList HostileNames = {
    "<b>x</b>",
    "<img src=\"file:///etc/hostname\">",
    "&lt;b&gt;",
    "<i>open",
    "<h1>",
    "\"quoted\" and 'single'",
    "Robert'); DROP TABLE tab_spieler;--",
    QString::fromUtf8("Zoë 😀🎲"),
    QString::fromUtf8("\u202Eevil \u05E9\u05DC\u05D5\u05DD"),
    QString(10000, QLatin1Char('x')),
};

class PlainNames : public TDialogDatabaseFixture {
 protected:
  TGermanDates GermanDates;

  // What the row tooltip shows, read back as a person would see it.
  static QString ShownTooltip(TDLG_Highscore& dialog) {
    TTrovDsgStringGrid& grid = dialog.StringGrid_Highscore;
    const QPoint at = grid.CellRect(1, 1).center() - grid.viewport()->geometry().topLeft();
    MoveOverCell(grid, 1, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !grid.RowHint().isEmpty(); }, 60000));
    QHelpEvent help(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(grid.viewport(), &help);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* tip = qobject_cast<QLabel*>(widget);
      if (tip && widget->objectName() == "qtooltip_label" && widget->isVisible()) {
        EXPECT_LT(tip->height(), 4 * tip->fontMetrics().lineSpacing())
            << "three lines, none wrapped";
        QTextDocument document;
        if (tip->textFormat() == Qt::PlainText)
          document.setPlainText(tip->text());
        else
          document.setHtml(tip->text());
        return document.toPlainText();
      }
    }
    return "(no tooltip)";
  }
};

}  // namespace

TEST_F(PlainNames, EveryWidgetThatShowsANameShowsItLiterally) {
  for (const QString& name : HostileNames) {
    SCOPED_TRACE(name.left(40).toStdString());
    Raw("DELETE FROM tab_spieler");
    AddResult(name, QDate(2010, 5, 19), 61);
    {
      TDLG_Highscore dialog(nullptr);
      dialog.show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
      EXPECT_EQ(dialog.StringGrid_Highscore.Cells(1, 1), name);
      EXPECT_EQ(ShownTooltip(dialog), "Name: " + name + "\nDatum: 19.05.2010\nSpielzeit: 00:01:01")
          << "three lines, the name as it was typed";
    }
    {
      TDLG_Player dialog(nullptr);
      ASSERT_EQ(dialog.ComboBox_Name.count(), 1);
      EXPECT_EQ(dialog.ComboBox_Name.itemText(0).toStdString(), name.toStdString());
    }
    SetDialogRunner(nullptr);
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        format = box->textFormat();
        text = box->text();
        box->done(0);
      }
    });
    ShowErrorBox(name);
    SetDialogRunner(&Boxes);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(text.toStdString(), name.toStdString());
  }
}

TEST_F(PlainNames, EveryLabelOfEveryDialogIsPlainText) {
  const QString id = AddResult("Anna", QDate(2010, 5, 19), 61);
  std::vector<std::unique_ptr<QDialog>> dialogs;
  dialogs.push_back(std::make_unique<TDLG_Player>(nullptr));
  dialogs.push_back(std::make_unique<TDLG_Highscore>(nullptr));
  dialogs.push_back(std::make_unique<TDLG_Setup>(nullptr));
  dialogs.push_back(std::make_unique<TDLG_Info>(nullptr));
  dialogs.push_back(std::make_unique<TDLG_Help>(nullptr));
  dialogs.push_back(std::make_unique<TDLG_Language>(nullptr));
  dialogs.push_back(std::make_unique<TDLG_Great>(nullptr, id, std::chrono::seconds(61)));
  for (const auto& dialog : dialogs) {
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    for (const QLabel* label : labels)
      EXPECT_EQ(label->textFormat(), Qt::PlainText)
          << dialog->metaObject()->className() << ": " << label->text().toStdString();
  }
}
