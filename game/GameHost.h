// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the game rules need of the main window: its play button, its sounds,
// its clock timer and display, the background and the end of a game. Tests
// give the rules a host that records the calls.
class TGameHost {
 public:
  virtual ~TGameHost() = default;
  virtual void ShowPlaying(bool playing) = 0;  // play button picture and hint
  virtual void PlaySnap() = 0;
  virtual void PlayShot() = 0;
  virtual void PlayFinale() = 0;
  virtual void PlayMusic() = 0;
  virtual void StopAllSounds() = 0;
  virtual void ResetClock() = 0;
  virtual void SetClockRunning(bool running) = 0;
  virtual void DrawBackground() = 0;
  virtual void RecordResult() = 0;
};
