// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// The id the launcher, the icon and the metainfo are named by; the window
// carries it too (WM_CLASS on X11, the app id on Wayland), so the desktop
// matches the running game to its launcher.
inline constexpr char ApplicationId[] = "org.example.TessarynPuzzle";
// The name the desktop and the --version answer show.
inline constexpr char ApplicationName[] = "Tessaryn Puzzle";

// Answers --help and --version on standard output and then the exit status;
// nothing when the game is to start. Needs no display and reads nothing
// else: any other argument (a launcher's file list, a stray name) is ignored.
std::optional<int> AnswerCommandLine(int argc, char** argv);
