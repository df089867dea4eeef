// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/GameSounds.h"

#include "media/ResourceCatalogue.h"

TSoundSettings TGameSounds::CurrentSettings() const {
  return Settings ? Settings() : TSoundSettings{};
}
bool TGameSounds::SoundOn() const { return CurrentSettings().Sound; }
bool TGameSounds::MusicOn() const { return CurrentSettings().Music; }
int TGameSounds::SettingsVolume() const { return CurrentSettings().Volume; }

void TGameSounds::SoundStartUp() {
  Output.Open();
  Channels[6] = static_cast<std::uint32_t>(Output.Volume());
  Output.SetVolume(SettingsVolume());
}

void TGameSounds::SoundShutDown() {
  Output.SetVolume(static_cast<int>(Channels[6]));
  StopAllSounds();
  Output.Close();
}

void TGameSounds::PlayResourceSound(const QString& name, int slot, bool loop) {
  if (!ResourceExists(TResourceType::MP3, name)) return;
  const QByteArray bytes = ResourceBytes(TResourceType::MP3, name);
  std::uint32_t& handle = Channels[static_cast<size_t>(slot)];
  if (Output.IsActive(handle)) Output.Free(handle);
  handle = Output.CreateStream(bytes, loop);
  Output.Play(handle);
}

void TGameSounds::PlayFinale() {
  if (SoundOn()) PlayResourceSound(QStringLiteral("MP3_FINALE"), SlotFinale, false);
}

void TGameSounds::PlaySnap() {
  if (SoundOn()) PlayResourceSound(QStringLiteral("MP3_SNAP"), SlotSnap, false);
}

void TGameSounds::PlayShot() {
  if (SoundOn()) PlayResourceSound(QStringLiteral("MP3_SHOT"), SlotShot, false);
}

void TGameSounds::PlayIntro() { PlayResourceSound(QStringLiteral("MP3_INTRO"), SlotIntro, false); }

void TGameSounds::PlayMusic() {
  if (MusicOn()) PlayResourceSound(QStringLiteral("MP3_MUSIC"), SlotMusic, true);
}

void TGameSounds::StopAllSounds() {
  for (int slot = SlotFinale; slot <= SlotMusic; ++slot) {
    const std::uint32_t handle = Channels[static_cast<size_t>(slot)];
    if (Output.IsActive(handle)) Output.Free(handle);
  }
}

bool TGameSounds::IsMusicPlaying() const { return Output.IsActive(Channels[SlotMusic]); }

bool TGameSounds::StopMusic() {
  const bool playing = IsMusicPlaying();
  if (playing) Output.Free(Channels[SlotMusic]);
  return playing;
}

void TGameSounds::ApplyVolume() {
  if (Output.Volume() != SettingsVolume()) Output.SetVolume(SettingsVolume());
}
