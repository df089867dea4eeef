// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/GameSounds.h"

class TRandomSource;

// Creates the main window, runs the event loop and answers the exit status:
// not zero when start-up failed (the player has been told why).
int RunProgram(TRandomSource* random = nullptr);

// The sound part of SetupData, as the sounds ask for it.
TSoundSettings SoundSettingsOfSetup();
