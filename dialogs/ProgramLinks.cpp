#include "dialogs/ProgramLinks.h"

#include <QDesktopServices>
#include <QUrl>

namespace ProgramLinks {
const QString HomePage = QStringLiteral("https://tessaryn.example.org/");
const QString ContactMail = QStringLiteral("mailto:puzzle@tessaryn.example.org");
const QString WallpaperProjects =
    QStringLiteral("https://salsa.debian.org/qt-kde-team/kde/plasma-workspace-wallpapers");
const QString SoundTheme =
    QStringLiteral("https://www.freedesktop.org/wiki/Specifications/sound-theme-spec/");
const QString MusicProject = QStringLiteral("https://www.wesnoth.org/");
const QString PhotoPartner = QStringLiteral("https://mate-desktop.org/");
}  // namespace ProgramLinks

bool IsOpenableLink(const QString& address) {
  const QString scheme = QUrl(address).scheme().toLower();
  return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
         scheme == QLatin1String("mailto");
}

void OpenLink(const QString& address) {
  if (IsOpenableLink(address)) QDesktopServices::openUrl(QUrl(address));
}
