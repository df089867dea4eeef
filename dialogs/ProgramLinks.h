// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The web and mail addresses the program shows and opens, in one place. The
// program has no site of its own yet: its addresses stand under the reserved
// documentation domain until it does. The others are the home pages of the
// free projects whose photos, sounds and music the program carries.
namespace ProgramLinks {
extern const QString HomePage;     // the maker's page
extern const QString ContactMail;  // "mailto:" address of the maker
// The three collections the photos come from.
extern const QString PlasmaWallpapers;   // plasma-workspace-wallpapers (KDE)
extern const QString LomiriWallpapers;   // lomiri-wallpapers
extern const QString MateBackgrounds;    // mate-backgrounds (MATE)
extern const QString WallpaperProjects;  // the photos' collections, behind their one banner
extern const QString SoundTheme;         // the sound effects' collection
extern const QString MusicProject;       // the music's project
extern const QString PhotoPartner;       // the project of the partner photo
}  // namespace ProgramLinks

// Whether the desktop may be asked to open the address: web and mail only.
bool IsOpenableLink(const QString& address);
// Hands a web or mail address to the desktop; anything else is ignored.
void OpenLink(const QString& address);
