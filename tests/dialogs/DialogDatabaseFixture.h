// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>
#include <chrono>

#include <QTest>

#include "controls/TrovDsgCtrls.h"
#include "localization/Unit_Language.h"
#include "persistence/SQLUtils.h"
#include "persistence/VarUnit.h"
#include "tests/DatabaseFixture.h"
#include "tests/MessageBoxRecorder.h"

// Dates written the German way while it lives, as on the designers' desktop.
struct TGermanDates {
  TGermanDates() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  ~TGermanDates() { QLocale::setDefault(Saved); }
  QLocale Saved;
};

// For the dialog tests: the database fixture with the program's tables, no
// PlayerData, German texts and a recorder for message boxes.
class TDialogDatabaseFixture : public TDatabaseFixture {
 protected:
  void SetUp() override {
    TDatabaseFixture::SetUp();
    PlayerData.reset();
    ASSERT_TRUE(CreateTables());
    ApplyLanguage(LangGerman);
  }
  void TearDown() override {
    ApplyLanguage(LangGerman);
    TDatabaseFixture::TearDown();
  }

  // Stores a result through the program's own statement; answers its identifier.
  QString AddResult(const QString& name, QDate date, int seconds) {
    auto keep = std::move(PlayerData);
    PlayerData = std::make_unique<TSpielerDaten>();
    PlayerData->Name = name;
    PlayerData->Datum = date;
    PlayerData->Spielzeit = std::chrono::seconds(seconds);
    QString id;
    EXPECT_TRUE(InsertResult(id));
    PlayerData = std::move(keep);
    return id;
  }

  TMessageBoxRecorder Boxes;
};

// Moves the mouse over a cell of the grid the way the window system does, to a
// place in the grid's window: a dialog centres itself as it shows, and the
// window system may learn its new place later than the widgets, so a move by
// global position could miss it. Two moves, since a move to where the pointer
// already is (an earlier test may have left it there) is dropped.
inline void MoveOverCell(TTrovDsgStringGrid& grid, int col, int row) {
  QWidget* viewport = grid.viewport();
  const QPoint inViewport = grid.CellRect(col, row).center() - viewport->geometry().topLeft();
  const QPoint inWindow = viewport->mapTo(viewport->window(), inViewport);
  QTest::mouseMove(viewport->window()->windowHandle(), inWindow + QPoint(3, 0));
  QTest::mouseMove(viewport->window()->windowHandle(), inWindow);
}
