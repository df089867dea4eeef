// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <memory>

#include "dialogs/ProgramLinks.h"
#include "dialogs/Unit_DLG_Help.h"
#include "localization/Unit_Language.h"
#include "media/ResourceCatalogue.h"
#include "persistence/VarUnit.h"

namespace {

const QStringList AllPages = {"HELP_001", "HELP_002", "HELP_003", "HELP_101", "HELP_102",
                              "HELP_103", "HELP_201", "HELP_202", "HELP_203"};

class HelpDialog : public testing::Test {
 protected:
  void SetUp() override {
    Saved = std::move(SetupData);
    SetupData = std::make_unique<TSetupDaten>();
  }
  void TearDown() override {
    SetupData = std::move(Saved);
    ApplyLanguage(LangGerman);
  }
  static void UseLanguage(int code) {
    SetupData->Lang = code;
    ApplyLanguage(code);
  }

  std::unique_ptr<TSetupDaten> Saved;
};

// Every link target of a page, in page order.
QStringList LinkTargets(const QString& page) {
  QTextDocument document;
  document.setHtml(QString::fromUtf8(ResourceBytes(TResourceType::RCDATA, page)));
  QStringList targets;
  for (QTextBlock block = document.begin(); block != document.end(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (format.isAnchor() && !format.anchorHref().isEmpty() &&
          (targets.isEmpty() || targets.last() != format.anchorHref()))
        targets << format.anchorHref();
    }
  return targets;
}

// The first fragment of the viewer's page that links to the target.
QTextFragment LinkFragment(QTextBrowser& viewer, const QString& target) {
  const QTextDocument* document = viewer.document();
  for (QTextBlock block = document->begin(); block != document->end(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().anchorHref() == target) return it.fragment();
  return {};
}

// A point in the viewport over the link's first character, scrolled into view.
QPoint LinkPoint(QTextBrowser& viewer, const QString& target) {
  const QTextFragment fragment = LinkFragment(viewer, target);
  EXPECT_TRUE(fragment.isValid()) << target.toStdString();
  QTextCursor cursor(viewer.document());
  cursor.setPosition(fragment.position() + 1);
  viewer.setTextCursor(cursor);
  viewer.ensureCursorVisible();
  cursor.setPosition(fragment.position());
  const QRect before = viewer.cursorRect(cursor);
  cursor.setPosition(fragment.position() + 1);
  const QRect after = viewer.cursorRect(cursor);
  return {(before.center().x() + after.center().x()) / 2, before.center().y()};
}

void ClickLink(TDLG_Help& dialog, const QString& target) {
  QTest::mouseClick(dialog.HTMLViewer_Help.viewport(), Qt::LeftButton, {},
                    LinkPoint(dialog.HTMLViewer_Help, target));
}

void MoveMouse(TDLG_Help& dialog, const QPoint& position) {
  QMouseEvent move(QEvent::MouseMove, position,
                   dialog.HTMLViewer_Help.viewport()->mapToGlobal(position), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(dialog.HTMLViewer_Help.viewport(), &move);
}

}  // namespace

TEST_F(HelpDialog, GeometryAndCaptionInEnglish) {
  UseLanguage(LangEnglish);
  TDLG_Help dialog(nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Help");
  EXPECT_EQ(dialog.size(), QSize(694, 482));
  EXPECT_EQ(dialog.Image_Back.geometry(), QRect(0, 0, 694, 482));
  EXPECT_EQ(dialog.Image_Back.Picture.pixel(300, 0), RgbOf(0xB7BDC8));
  EXPECT_EQ(dialog.Image_Back.Picture.pixel(300, 481), RgbOf(0x555E6C));
  EXPECT_EQ(dialog.HTMLViewer_Help.geometry(), QRect(8, 8, 678, 466));
  EXPECT_EQ(dialog.HTMLViewer_Help.frameShape(), QFrame::NoFrame);
  EXPECT_FALSE(dialog.HTMLViewer_Help.openLinks());
  EXPECT_FALSE(dialog.HTMLViewer_Help.openExternalLinks());
  EXPECT_EQ(dialog.HTMLViewer_Help.font().family(), "Times New Roman");
  EXPECT_EQ(dialog.CurrentPage, "HELP_101");
}

TEST_F(HelpDialog, StartPageFollowsTheLanguageCode) {
  const struct {
    int Code;
    const char* Page;
  } cases[] = {{0, "HELP_001"},  {1, "HELP_101"},  {2, "HELP_201"}, {-1, "HELP_001"},
               {-3, "HELP_001"}, {-4, "HELP_001"}, {3, "HELP_001"}, {7, "HELP_001"}};
  for (const auto& c : cases) {
    SetupData->Lang = c.Code;
    TDLG_Help dialog(nullptr);
    EXPECT_EQ(dialog.CurrentPage, c.Page) << c.Code;
    EXPECT_EQ(dialog.HTMLViewer_Help.toPlainText().isEmpty(), QString(c.Page).isEmpty()) << c.Code;
  }
}

TEST_F(HelpDialog, PageLinksSwitchThePage) {
  SetupData->Lang = LangEnglish;
  TDLG_Help dialog(nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  int handedOut = 0;
  dialog.OnOpenExternal = [&](const QString&) { ++handedOut; };

  ClickLink(dialog, "HELP_103");
  EXPECT_EQ(dialog.CurrentPage, "HELP_103");
  EXPECT_TRUE(dialog.HTMLViewer_Help.toPlainText().contains("System requirements"));
  EXPECT_EQ(dialog.HTMLViewer_Help.verticalScrollBar()->value(), 0);
  ClickLink(dialog, "HELP_101");
  EXPECT_EQ(dialog.CurrentPage, "HELP_101");
  EXPECT_EQ(handedOut, 0);
  EXPECT_TRUE(dialog.isVisible());

  // A page that is not there leaves the current one.
  EXPECT_THROW(dialog.HTMLViewer_HelpHotSpotClick("HELP_999"), EResourceNotFound);
  EXPECT_EQ(dialog.CurrentPage, "HELP_101");
}

TEST_F(HelpDialog, OnlyWebAndMailLinksAreHandedOut) {
  TDLG_Help dialog(nullptr);
  QStringList handedOut;
  dialog.OnOpenExternal = [&](const QString& address) { handedOut << address; };

  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  dialog.ShowPage("HELP_003");
  ClickLink(dialog, ProgramLinks::MusicProject);
  EXPECT_EQ(handedOut, QStringList{ProgramLinks::MusicProject});
  EXPECT_EQ(dialog.CurrentPage, "HELP_003");

  handedOut.clear();
  for (const QString& target : {QStringLiteral("http://example.org/a"), ProgramLinks::ContactMail,
                                QStringLiteral("file:///etc/passwd"),
                                QStringLiteral("javascript:alert(1)"), QStringLiteral("/bin/sh")})
    dialog.HTMLViewer_HelpHotSpotClick(target);
  EXPECT_EQ(handedOut, (QStringList{"http://example.org/a", ProgramLinks::ContactMail}));
  EXPECT_EQ(dialog.CurrentPage, "HELP_003");
}

TEST_F(HelpDialog, LinkIsUnderlinedOnlyWhileThePointerIsOverIt) {
  TDLG_Help dialog(nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const auto underlined = [&](const QString& target) {
    return LinkFragment(dialog.HTMLViewer_Help, target).charFormat().fontUnderline();
  };
  EXPECT_FALSE(underlined("HELP_002"));
  EXPECT_FALSE(underlined("HELP_003"));

  MoveMouse(dialog, LinkPoint(dialog.HTMLViewer_Help, "HELP_002"));
  EXPECT_TRUE(underlined("HELP_002"));
  EXPECT_FALSE(underlined("HELP_003"));
  MoveMouse(dialog, LinkPoint(dialog.HTMLViewer_Help, "HELP_003"));
  EXPECT_FALSE(underlined("HELP_002"));
  EXPECT_TRUE(underlined("HELP_003"));
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(dialog.HTMLViewer_Help.viewport(), &leave);
  EXPECT_FALSE(underlined("HELP_003"));
}

TEST_F(HelpDialog, EscClosesAlsoFromTheViewer) {
  TDLG_Help dialog(nullptr);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  dialog.HTMLViewer_Help.setFocus();
  QTest::keyClick(&dialog.HTMLViewer_Help, Qt::Key_Down);
  EXPECT_TRUE(dialog.isVisible());
  QTest::keyClick(&dialog.HTMLViewer_Help, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// Each page links the other two of its language, every page link finds its
// page, and every other link is one of the program's addresses, so that an
// address changed in ProgramLinks must be changed in the pages too; page 3
// of each language carries all of them.
TEST(HelpPages, LinksPointToPagesAndProgramAddresses) {
  const QStringList addresses = {ProgramLinks::HomePage,         ProgramLinks::ContactMail,
                                 ProgramLinks::LomiriWallpapers, ProgramLinks::MateBackgrounds,
                                 ProgramLinks::PlasmaWallpapers, ProgramLinks::SoundTheme,
                                 ProgramLinks::MusicProject};
  for (const QString& page : AllPages) {
    SCOPED_TRACE(page.toStdString());
    ASSERT_TRUE(ResourceExists(TResourceType::RCDATA, page));
    const QStringList targets = LinkTargets(page);
    QSet<QString> pageLinks;
    for (const QString& target : targets) {
      if (target.contains("HELP_")) {
        EXPECT_TRUE(AllPages.contains(target)) << target.toStdString();
        pageLinks << target;
      } else {
        EXPECT_TRUE(addresses.contains(target)) << target.toStdString();
      }
    }
    QSet<QString> others;
    for (int n = 1; n <= 3; ++n) others << page.left(7) + QString::number(n);
    others.remove(page);
    EXPECT_EQ(pageLinks, others);
    if (page.endsWith('3')) {
      for (const QString& address : addresses)
        EXPECT_TRUE(targets.contains(address)) << address.toStdString();
    }
  }
}
