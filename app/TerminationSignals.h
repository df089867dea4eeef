// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// SIGTERM, SIGINT and SIGHUP (the session ending, a compositor or a terminal
// closing) end the game the ordinary way: every event loop, a dialog's too,
// returns, and the main window is destroyed, which puts the volume back and
// stops the sound. Nothing is asked. Call once, with the application made.
void EndOnTerminationSignals();

// True once such a signal arrived: what follows a dialog it ended must not
// take that dialog's silence for the player's answer.
bool TerminationRequested();
