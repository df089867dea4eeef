// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/ProgramLinks.h"

#include <QDesktopServices>
#include <QUrl>

namespace ProgramLinks {
const QString HomePage = QStringLiteral("https://tessaryn.example.org/");
const QString ContactMail = QStringLiteral("mailto:puzzle@tessaryn.example.org");
// The projects' own home pages, as their Debian packages name them.
const QString PlasmaWallpapers =
    QStringLiteral("https://invent.kde.org/plasma/plasma-workspace-wallpapers");
const QString LomiriWallpapers =
    QStringLiteral("https://gitlab.com/ubports/development/core/lomiri-wallpapers");
const QString MateBackgrounds = QStringLiteral("https://mate-desktop.org/");
// One banner can open one page: the collection it names first.
const QString WallpaperProjects = PlasmaWallpapers;
const QString SoundTheme = QStringLiteral("https://www.freedesktop.org/wiki/");
const QString MusicProject = QStringLiteral("https://www.wesnoth.org/");
// The partner photo is the dune of mate-backgrounds.
const QString PhotoPartner = MateBackgrounds;
}  // namespace ProgramLinks

bool IsOpenableLink(const QString& address) {
  const QString scheme = QUrl(address).scheme().toLower();
  return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
         scheme == QLatin1String("mailto");
}

void OpenLink(const QString& address) {
  if (IsOpenableLink(address)) QDesktopServices::openUrl(QUrl(address));
}
