// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "media/AudioOutput.h"

// The game's sounds in five slots, one sound per slot: a new snap cuts the
// old one off, while different slots overlap freely. The settings decide what
// may play and how loud.
// What the player's settings say about sound. The sounds do not read the
// settings themselves: whoever owns the settings hands them in.
struct TSoundSettings {
  bool Sound = false;  // the effects
  bool Music = false;
  int Volume = 50;
};

class TGameSounds {
 public:
  // Asked before every sound; without it effects and music stay silent.
  std::function<TSoundSettings()> Settings;

  enum TSlot { SlotFinale = 1, SlotSnap = 2, SlotShot = 3, SlotIntro = 4, SlotMusic = 5 };

  // [1 … 5]: the slots' stream handles (0: none), kept after a sound has
  // ended; [6]: the output volume found at start-up.
  std::array<std::uint32_t, 7> Channels{};
  TAudioOutput Output;

  void SoundStartUp();
  void SoundShutDown();
  void PlayResourceSound(const QString& name, int slot, bool loop);
  void PlayFinale();
  void PlaySnap();
  void PlayShot();
  void PlayIntro();
  void PlayMusic();
  void StopAllSounds();
  bool IsMusicPlaying() const;
  // Whether the music was playing; if it was, it is stopped.
  bool StopMusic();
  void ApplyVolume();

 private:
  TSoundSettings CurrentSettings() const;
  bool SoundOn() const;
  bool MusicOn() const;
  int SettingsVolume() const;
};
