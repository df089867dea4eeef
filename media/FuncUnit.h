// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's helper functions, by job: colours, JPEG pictures, painting and
// fonts, the user's folders. One include gathers them for the units that use many.
#include "media/Colors.h"
#include "media/Folders.h"
#include "media/Jpeg.h"
#include "media/Painting.h"
