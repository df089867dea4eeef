// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Whether HOME names a folder of the user's own: set, absolute, existing, not "/".
bool HasUsableHome();
// The user's folders: application data (the XDG data folder) and documents.
// The path ends with "/"; empty when the platform knows no such folder or there
// is no usable home folder.
enum class TSpecialFolder { AppData, Documents };
QString GetSpecialFolder(TSpecialFolder folder);
