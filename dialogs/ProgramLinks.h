#pragma once

#include <QString>

// The web and mail addresses the program shows and opens, in one place. The
// program has no site of its own yet: its addresses stand under the reserved
// documentation domain until it does.
namespace ProgramLinks {
extern const QString HomePage;           // the maker's page
extern const QString ContactMail;        // "mailto:" address of the maker
extern const QString WallpaperProjects;  // the photos' collections
extern const QString SoundTheme;         // the sound effects' collection
extern const QString MusicProject;       // the music's project
extern const QString PhotoPartner;       // the project of the partner photo
}  // namespace ProgramLinks

// Whether the desktop may be asked to open the address: web and mail only.
bool IsOpenableLink(const QString& address);
// Hands a web or mail address to the desktop; anything else is ignored.
void OpenLink(const QString& address);
