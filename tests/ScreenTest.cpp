// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window on a desktop of two screens of different sizes (the
// offscreen platform configured by tests/CMakeLists.txt): full screen on the
// screen it starts on, following its screen, and the windows it owns opening
// on that screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "app/MainLayout.h"
#include "app/Unit_Tessaryn.h"
#include "controls/DialogBase.h"
#include "controls/DialogHost.h"
#include "controls/MessageBoxes.h"
#include "dialogs/Unit_DLG_Player.h"
#include "game/GameRules.h"
#include "media/ScreenPlacement.h"
#include "media/Unit_Form_Intro.h"
#include "tests/FreshHome.h"
#include "tests/GameFixture.h"
#include "tests/MainWindowProbe.h"

namespace {

// The new game's player is "Anna"; other dialogs close at once. Message boxes
// are shown for real: where they open is what these tests look at.
struct TAnnaAnswers : TDialogRunner {
  TAnnaAnswers() { SetDialogRunner(this); }
  ~TAnnaAnswers() override { SetDialogRunner(nullptr); }
  int RunDialog(QDialog& dialog) override {
    if (auto* player = qobject_cast<TDLG_Player*>(&dialog)) {
      player->ComboBox_Name.setEditText("Anna");
      player->Button_StartClick();
      return player->result();
    }
    return int(QDialog::Rejected);
  }
};

struct TScreens : testing::Test {
  TFreshHome Home;  // before the window: it makes its folders and database there
  TAnnaAnswers Answers;
  TFixedRandom Random{5};
  TForm_Tessaryn Form{&Random};
  QScreen* Primary = QGuiApplication::primaryScreen();
  QScreen* Second = nullptr;

  void SetUp() override {
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2) << "tests/CMakeLists.txt gives this program two screens";
    Second = screens[0] == Primary ? screens[1] : screens[0];
    ASSERT_NE(Primary->size(), Second->size());
    Probe(Form).FirstActivation = false;  // no intro over the window under test
    Form.ShowFullScreenOnItsScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  }

  // The panels, the menu buttons, the play area's picture and the board fit
  // a window of exactly this screen's geometry.
  void ExpectLaidOutFor(const QRect& screen) {
    EXPECT_EQ(Form.geometry(), screen);
    const QSize size = screen.size();
    EXPECT_EQ(Probe(Form).Panel_Menu.geometry(), QRect(0, 0, size.width(), MenuBarHeight));
    EXPECT_EQ(Probe(Form).Panel_Back.geometry(),
              QRect(0, MenuBarHeight, size.width(), size.height() - MenuBarHeight));
    EXPECT_EQ(Probe(Form).Image_Back.Picture.size(), Probe(Form).Panel_Back.size())
        << "the picture is redrawn";
    EXPECT_EQ(Probe(Form).Image_Menu.Picture.size(), Probe(Form).Panel_Menu.size());
    EXPECT_EQ(Probe(Form).Button_Close.x(), LayoutMenuButtons(size.width()).Close);
    const TBoardGeometry board = BoardGeometry(Probe(Form).Panel_Back.size());
    for (size_t k = 1; k <= 25; ++k)
      if (const TPuzzleMemo* tile = Probe(Form).Game.Tiles[k].data()) {
        EXPECT_EQ(tile->size(), QSize(board.T, board.T)) << "photo " << k;
        EXPECT_TRUE(QRect(QPoint(), Probe(Form).Panel_Back.size()).contains(tile->geometry()));
      }
  }
};

}  // namespace

TEST_F(TScreens, AsksForFullScreenOnThePrimaryScreenAndIsExactlyItsSize) {
  EXPECT_TRUE(Form.windowState() & Qt::WindowFullScreen);
  EXPECT_TRUE(Form.windowHandle()->windowStates() & Qt::WindowFullScreen);
  EXPECT_EQ(Form.screen(), Primary);
  ExpectLaidOutFor(Primary->geometry());
}

// What changes under the window, while a game runs: the board goes along.
TEST_F(TScreens, FollowsItsScreenAndLaysOutAgain) {
  QTest::keyClick(&Form, Qt::Key_F5);
  ASSERT_TRUE(Probe(Form).Game.Playing);
  std::array<QPoint, 26> cellsBefore{};
  const TBoardGeometry before = BoardGeometry(Probe(Form).Panel_Back.size());
  for (size_t k = 1; k <= 25; ++k) cellsBefore[k] = Probe(Form).Game.Tiles[k]->pos();

  struct TCase {
    const char* What;
    std::function<void()> Change;
    std::function<QRect()> Expected;
  };
  const QRect resized(0, 0, 1440, 900);
  const TCase cases[] = {
      {"moved to the other screen", [&] { Form.windowHandle()->setScreen(Second); },
       [&] { return Second->geometry(); }},
      {"the former screen's change does not reach it",
       [&] { emit Primary->geometryChanged(resized); }, [&] { return Second->geometry(); }},
      {"back on the primary screen", [&] { Form.windowHandle()->setScreen(Primary); },
       [&] { return Primary->geometry(); }},
      {"its screen's resolution changes", [&] { emit Primary->geometryChanged(resized); },
       [&] { return resized; }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    c.Change();
    ExpectLaidOutFor(c.Expected());
  }
  // Each photo stays in the cell it was dealt to.
  const TBoardGeometry after = BoardGeometry(Probe(Form).Panel_Back.size());
  for (size_t k = 1; k <= 25; ++k) {
    const QPoint cell = cellsBefore[k] - before.Cell(0);
    const int column = cell.x() / (before.T + 4), row = cell.y() / (before.T + 4);
    EXPECT_EQ(Probe(Form).Game.Tiles[k]->pos(), after.Cell(row * 5 + column)) << "photo " << k;
  }
}

// Whether owned by the main window, by nothing, or (a message box) by the
// active window or else the main window: centred on the main window's screen.
TEST_F(TScreens, DialogsMessageBoxesAndTheIntroOpenOnTheMainWindowsScreen) {
  Form.windowHandle()->setScreen(Second);
  ASSERT_EQ(Form.geometry(), Second->geometry());
  const QRect area = Second->geometry();

  for (QWidget* owner : {static_cast<QWidget*>(&Form), static_cast<QWidget*>(nullptr)}) {
    SCOPED_TRACE(owner ? "owned by the main window" : "without an owner");
    TProgramDialog dialog(owner, {313, 197});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.screen(), Second);
    EXPECT_EQ(dialog.pos(), CentredIn(area, dialog.size()));
  }

  QPoint boxAt, boxCentredAt;
  QWidget* boxOwner = nullptr;
  QWidget* const expectedOwner =
      QApplication::activeWindow() ? QApplication::activeWindow() : static_cast<QWidget*>(&Form);
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    boxAt = box->pos();
    boxCentredAt = CentredIn(area, box->size());
    boxOwner = box->parentWidget();
    QTest::keyClick(box, Qt::Key_Return);
  });
  ShowInformationBox(QStringLiteral("Ein Test"));
  EXPECT_EQ(boxOwner, expectedOwner);
  EXPECT_EQ(boxAt, boxCentredAt);

  TForm_Intro intro(&Form);
  intro.Timer_Blend.stop();
  EXPECT_EQ(intro.geometry(), area) << "the intro covers the main window's screen";
}

// Where windows cannot be placed (Wayland), a dialog or message box runs in a
// full-screen host over the main window's screen, centred in it, and is a
// window of its own again afterwards.
TEST_F(TScreens, InAHostDialogsAndMessageBoxesAreCentredOnTheMainWindowsScreen) {
  Form.windowHandle()->setScreen(Second);
  ASSERT_EQ(Form.geometry(), Second->geometry());
  struct TInHost {
    TInHost() { SetDialogsRunInHost(true); }
    ~TInHost() { SetDialogsRunInHost(false); }
  } inHost;
  struct THosted {
    bool Found = false;
    QWidget* HostOwner = nullptr;
    QRect HostGeometry;
    bool FullScreen = false, Modal = false;
    QPoint At, CentredAt;
  };
  // Reads the host of the running modal dialog, then closes the dialog with the key.
  const auto inspect = [](THosted& hosted, Qt::Key closingKey) {
    QTimer::singleShot(0, [&hosted, closingKey] {
      QWidget* host = QApplication::activeModalWidget();
      QDialog* dialog =
          host ? host->findChild<QDialog*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
      if (!dialog) {
        ADD_FAILURE() << "no dialog in a modal host";
        for (QWidget* widget : QApplication::allWidgets())
          if (auto* open = qobject_cast<QDialog*>(widget); open && open->isVisible())
            open->reject();
        return;
      }
      hosted.Found = true;
      hosted.HostOwner = host->parentWidget();
      hosted.HostGeometry = host->geometry();
      hosted.FullScreen = host->windowState() & Qt::WindowFullScreen;
      hosted.Modal = host->isModal();
      hosted.At = dialog->pos();
      hosted.CentredAt = CentredIn(host->rect(), dialog->size());
      QTest::keyClick(dialog, closingKey);
    });
  };
  const auto expectCentred = [this](const THosted& hosted) {
    ASSERT_TRUE(hosted.Found);
    EXPECT_EQ(hosted.HostOwner, &Form) << "the host belongs to the main window";
    EXPECT_EQ(hosted.HostGeometry, Second->geometry());
    EXPECT_TRUE(hosted.FullScreen);
    EXPECT_TRUE(hosted.Modal);
    EXPECT_EQ(hosted.At, hosted.CentredAt);
  };

  for (QWidget* owner : {static_cast<QWidget*>(&Form), static_cast<QWidget*>(nullptr)}) {
    SCOPED_TRACE(owner ? "owned by the main window" : "without an owner");
    TProgramDialog dialog(owner, {313, 197});
    THosted hosted;
    inspect(hosted, Qt::Key_Escape);
    EXPECT_EQ(dialog.exec(), int(QDialog::Rejected)) << "Esc reached the hosted dialog";
    expectCentred(hosted);
    EXPECT_TRUE(dialog.isWindow());
    EXPECT_EQ(dialog.parentWidget(), owner);
  }
  {
    SCOPED_TRACE("a message box");
    THosted hosted;
    inspect(hosted, Qt::Key_Return);
    ShowInformationBox(QStringLiteral("Ein Test"));
    expectCentred(hosted);
  }
}
