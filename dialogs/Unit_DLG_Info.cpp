// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/Unit_DLG_Info.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QtGlobal>
#include <algorithm>

#include "dialogs/ProgramLinks.h"
#include "localization/Unit_Language.h"

namespace {

// Decided when the program is built, not by the machine it runs on.
QString BuildOperatingSystem() {
#if defined(Q_OS_ANDROID)
  return QStringLiteral("Android");
#elif defined(Q_OS_LINUX)
  return QStringLiteral("Linux");
#elif defined(Q_OS_FREEBSD)
  return QStringLiteral("FreeBSD");
#elif defined(Q_OS_NETBSD)
  return QStringLiteral("NetBSD");
#elif defined(Q_OS_OPENBSD)
  return QStringLiteral("OpenBSD");
#elif defined(Q_OS_MACOS)
  return QStringLiteral("macOS");
#elif defined(Q_OS_WIN)
  return QStringLiteral("Windows");
#else
  return QStringLiteral("Unix");
#endif
}

QString MakerNoticeLine() {
  QString mail = ProgramLinks::ContactMail;
  mail.remove(QStringLiteral("mailto:"));
  return QStringLiteral("© 2026 Tessaryn Puzzle · ") + mail;
}

// An address as a reader writes it: no scheme, no closing slash.
QString WithoutScheme(const QString& address) {
  QString text = QUrl(address).toString(QUrl::RemoveScheme);
  if (text.startsWith(QStringLiteral("//"))) text.remove(0, 2);
  if (text.endsWith(QLatin1Char('/'))) text.chop(1);
  return text;
}

// For screen readers a banner is a link, named by its address, that they can follow.
class TLinkImageAccessible : public QAccessibleWidget {
 public:
  explicit TLinkImageAccessible(TLinkImage* image) : QAccessibleWidget(image, QAccessible::Link) {}
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    auto* image = static_cast<TLinkImage*>(widget());
    if (action == pressAction() && image->OnClick)
      image->OnClick();
    else
      QAccessibleWidget::doAction(action);
  }
};

QAccessibleInterface* LinkImageFactory(const QString&, QObject* object) {
  if (auto* image = qobject_cast<TLinkImage*>(object)) return new TLinkImageAccessible(image);
  return nullptr;
}

}  // namespace

TLinkImage::TLinkImage(QWidget* parent, const QString& address) : TImageBox(parent) {
  // Before the name is set: setting it asks for the interface, which is kept.
  static const bool installed = [] {
    QAccessible::installFactory(LinkImageFactory);
    return true;
  }();
  (void)installed;
  setCursor(Qt::PointingHandCursor);
  setToolTip(address);
  setAccessibleName(WithoutScheme(address));
}

void TLinkImage::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) ClickStarted = true;
}

void TLinkImage::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const bool started = ClickStarted;
  ClickStarted = false;
  if (started && rect().contains(event->position().toPoint()) && OnClick) OnClick();
}

QString VersionLine() { return QStringLiteral("Version 1.5 für ") + BuildOperatingSystem(); }

TDLG_Info::TDLG_Info(QWidget* owner)
    : TProgramDialog(owner, {594, 532}),
      OnOpenLink(OpenLink),
      Image_Partner3(this, ProgramLinks::SoundTheme),
      Image_Partner1(this, ProgramLinks::WallpaperProjects),
      Image_Trov_Banner(this, ProgramLinks::HomePage),
      Image_Partner4(this, ProgramLinks::PhotoPartner),
      Image_Partner5(this, ProgramLinks::MusicProject) {
  FormCreate();
}

void TDLG_Info::FormCreate() {
  // The symbol is drawn over the background with its top-left colour left
  // out, so it is composed once onto its slice of the gradient.
  const QImage symbol = LoadLayoutPicture(QStringLiteral("info_symbol"));
  const QRect symbolRect(QPoint(16, 16), symbol.size());
  Image_Symbol.Picture = Image_Back.Picture.copy(symbolRect);
  {
    QPainter painter(&Image_Symbol.Picture);
    DrawTransparent(painter, 0, 0, symbol, ColorAt(symbol, 0, 0));
  }
  Image_Symbol.setGeometry(symbolRect);

  const auto placePicture = [](TImageBox& image, int left, int top, const char* name) {
    image.Picture = LoadLayoutPicture(QString::fromLatin1(name));
    image.setGeometry(QRect(QPoint(left, top), image.Picture.size()));
  };
  placePicture(Image_Partner3, 269, 384, "info_partner3");
  placePicture(Image_Partner1, 16, 384, "info_partner1");
  placePicture(Image_Trov_Banner, 16, 330, "info_banner");
  placePicture(Image_Partner2, 191, 384, "info_partner2");
  placePicture(Image_Partner4, 365, 78, "info_partner4");
  placePicture(Image_Partner5, 16, 434, "info_partner5");

  Label_Distance->setWordWrap(true);
  Label_Authorship->setWordWrap(true);
  Label_Version->setAlignment(Qt::AlignRight | Qt::AlignTop);
  Label_MakerNotice->setAlignment(Qt::AlignRight | Qt::AlignTop);

  LinkLabel_Partner4.setGeometry(365, 304, 212, 16);
  LinkLabel_Partner4.setFont(DialogFont());
  QPalette linkColours = LinkLabel_Partner4.palette();
  linkColours.setColor(QPalette::WindowText, ColorOf(0xE6E8EC));
  LinkLabel_Partner4.setPalette(linkColours);
  LinkLabel_Partner4.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  LinkLabel_Partner4.setText(WithoutScheme(ProgramLinks::PhotoPartner));
  LinkLabel_Partner4.setToolTip(ProgramLinks::PhotoPartner);

  SetUpButton(Button_OK, {487, 455, 90, 28}, QStringLiteral("OK"));
  Button_OK.SetDefault(true);
  Button_OK.Cancel = true;

  Image_Partner1.OnClick = [this] { Image_Partner1Click(); };
  Image_Partner3.OnClick = [this] { Image_Partner3Click(); };
  Image_Partner4.OnClick = [this] { Image_Partner4Click(); };
  LinkLabel_Partner4.OnClick = [this] { Image_Partner4Click(); };
  Image_Partner5.OnClick = [this] { Image_Partner5Click(); };
  Image_Trov_Banner.OnClick = [this] { Image_Trov_BannerClick(); };
  Button_OK.OnClick = [this] { Button_OKClick(); };

  Label_Title1->setText(QStringLiteral("Tessaryn Puzzle"));
  Label_Title2->setText(QStringLiteral("Tessaryn Puzzle"));
  // The title labels grow to their text, which is wider than their place.
  for (QLabel* title : {Label_Title1, Label_Title2})
    title->resize(std::max(title->width(), title->sizeHint().width()),
                  std::max(title->height(), title->sizeHint().height()));
  Label_Version->setText(VersionLine());
  Label_MakerNotice->setText(MakerNoticeLine());

  setWindowTitle(CapInfo);
  Label_Distance->setText(TxtDisclaimer);
  Label_Authorship->setText(TxtPhotoNotice);
}

// The desktop opens the page; whether a browser comes up is not ours to
// check, and the dialog stays open.
void TDLG_Info::Image_Partner1Click() { OnOpenLink(ProgramLinks::WallpaperProjects); }
void TDLG_Info::Image_Partner3Click() { OnOpenLink(ProgramLinks::SoundTheme); }
void TDLG_Info::Image_Partner4Click() { OnOpenLink(ProgramLinks::PhotoPartner); }
void TDLG_Info::Image_Partner5Click() { OnOpenLink(ProgramLinks::MusicProject); }
void TDLG_Info::Image_Trov_BannerClick() { OnOpenLink(ProgramLinks::HomePage); }
void TDLG_Info::Button_OKClick() { accept(); }
