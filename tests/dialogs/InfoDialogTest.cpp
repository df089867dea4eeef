// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "dialogs/ProgramLinks.h"
#include "dialogs/Unit_DLG_Info.h"
#include "localization/Unit_Language.h"

namespace {

// The dialog with its links caught instead of handed to the desktop.
struct TInfo {
  TDLG_Info Dialog{nullptr};
  QStringList Opened;
  TInfo() {
    Dialog.OnOpenLink = [this](const QString& address) { Opened << address; };
    Dialog.show();
  }
};

}  // namespace

TEST(InfoDialog, GermanTextsTitleAndVersionLine) {
  ApplyLanguage(0);
  TInfo t;
  EXPECT_EQ(t.Dialog.size(), QSize(594, 532));
  EXPECT_EQ(t.Dialog.windowTitle(), "Information");
  EXPECT_EQ(t.Dialog.Label_Title1->text(), "Tessaryn Puzzle");
  EXPECT_EQ(t.Dialog.Label_Title2->pos(), t.Dialog.Label_Title1->pos() + QPoint(1, 1));
  EXPECT_EQ(t.Dialog.Label_Distance->text(), TxtDisclaimer);
  EXPECT_TRUE(t.Dialog.Label_Distance->text().startsWith("Es wird keine Haftung"));
  EXPECT_EQ(t.Dialog.Label_Authorship->text(), TxtPhotoNotice);
  EXPECT_EQ(t.Dialog.Label_MakerNotice->text(),
            "© 2026 Tessaryn Puzzle · puzzle@tessaryn.example.org");
#ifdef Q_OS_LINUX
  EXPECT_EQ(t.Dialog.Label_Version->text(), "Version 1.5 für Linux");
#endif
  EXPECT_EQ(t.Dialog.Label_Version->text(), VersionLine());
}

TEST(InfoDialog, EnglishCaptionAndNoticesTheVersionStaysGerman) {
  ApplyLanguage(1);
  TInfo t;
  EXPECT_EQ(t.Dialog.windowTitle(), "Information");
  EXPECT_TRUE(t.Dialog.Label_Distance->text().startsWith("It no liability for damages"));
  EXPECT_TRUE(
      t.Dialog.Label_Authorship->text().startsWith("The photos, pictures, sounds and fonts"));
  EXPECT_TRUE(t.Dialog.Label_Version->text().startsWith("Version 1.5 für "));
  ApplyLanguage(2);
  TInfo spanish;
  EXPECT_EQ(spanish.Dialog.windowTitle(), "Información");
  ApplyLanguage(0);
}

// The notice names free licences, never a permission to ask for, and it
// fits its fixed label in every language, so no line is cut off.
TEST(InfoDialog, PhotoNoticeIsTheFreeLicenceStatementAndFitsItsLabel) {
  const struct {
    int Lang;
    const char* Licence;
  } cases[] = {{0, "freien Lizenzen"}, {1, "free licences"}, {2, "licencias libres"}};
  for (const auto& c : cases) {
    ApplyLanguage(c.Lang);
    TInfo t;
    const QLabel* label = t.Dialog.Label_Authorship;
    EXPECT_TRUE(label->text().contains(QString::fromUtf8(c.Licence))) << c.Lang;
    const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000),
                                                           Qt::TextWordWrap, label->text());
    EXPECT_LE(needed.height(), label->height()) << c.Lang;
  }
  ApplyLanguage(0);
}

TEST(InfoDialog, EveryPictureOpensItsAddressAndTheLogoNothing) {
  TInfo t;
  struct TCase {
    TLinkImage* Image;
    QString Address;
    QRect Geometry;
  };
  const TCase cases[] = {
      {&t.Dialog.Image_Trov_Banner, ProgramLinks::HomePage, {16, 330, 561, 50}},
      {&t.Dialog.Image_Partner1, ProgramLinks::WallpaperProjects, {16, 384, 172, 45}},
      {&t.Dialog.Image_Partner3, ProgramLinks::SoundTheme, {269, 384, 308, 45}},
      {&t.Dialog.Image_Partner4, ProgramLinks::PhotoPartner, {365, 78, 212, 220}},
      {&t.Dialog.Image_Partner5, ProgramLinks::MusicProject, {16, 434, 172, 80}},
  };
  for (const TCase& c : cases) {
    t.Opened.clear();
    EXPECT_EQ(c.Image->geometry(), c.Geometry) << c.Address.toStdString();
    EXPECT_EQ(c.Image->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(c.Image->toolTip(), c.Address);
    QTest::mouseClick(c.Image, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(t.Opened, QStringList{c.Address});
    EXPECT_TRUE(IsOpenableLink(c.Address));
  }
  EXPECT_TRUE(t.Dialog.isVisible()) << "opening a page leaves the dialog open";

  t.Opened.clear();
  EXPECT_EQ(t.Dialog.Image_Partner2.geometry(), QRect(191, 384, 75, 45));
  EXPECT_NE(t.Dialog.Image_Partner2.cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(&t.Dialog.Image_Partner2, Qt::LeftButton, {}, {10, 10});
  EXPECT_TRUE(t.Opened.isEmpty());
  EXPECT_TRUE(t.Dialog.isVisible());
}

TEST(InfoDialog, ThePartnerPhotoAndItsLinkLabelOpenTheSameAddress) {
  TInfo t;
  EXPECT_EQ(t.Dialog.Image_Partner4.Picture.size(), QSize(212, 220));
  EXPECT_EQ(t.Dialog.LinkLabel_Partner4.text(), "mate-desktop.org");
  EXPECT_EQ(t.Dialog.LinkLabel_Partner4.geometry(), QRect(365, 304, 212, 16));
  QTest::mouseClick(&t.Dialog.Image_Partner4, Qt::LeftButton, {}, {100, 100});
  QTest::mouseClick(&t.Dialog.LinkLabel_Partner4, Qt::LeftButton, {}, {100, 8});
  EXPECT_EQ(t.Opened, (QStringList{ProgramLinks::PhotoPartner, ProgramLinks::PhotoPartner}));
}

TEST(InfoDialog, EnterAndEscClose) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    TInfo t;
    ASSERT_TRUE(t.Dialog.isVisible());
    QTest::keyClick(&t.Dialog, key);
    EXPECT_FALSE(t.Dialog.isVisible()) << key;
    EXPECT_TRUE(t.Opened.isEmpty());
  }
}

TEST(InfoDialog, TheSymbolLetsTheBackgroundThrough) {
  TInfo t;
  const QImage& symbol = t.Dialog.Image_Symbol.Picture;
  EXPECT_EQ(t.Dialog.Image_Symbol.geometry(), QRect(16, 16, 48, 48));
  EXPECT_EQ(symbol.pixel(0, 0), t.Dialog.Image_Back.Picture.pixel(16, 16))
      << "the key colour of the corner shows the gradient";
}
