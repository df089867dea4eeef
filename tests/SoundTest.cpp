// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <SDL2/SDL.h>
#include <signal.h>

#include <QTest>
#include <cstdlib>

#include "app/Program.h"
#include "media/GameSounds.h"
#include "persistence/VarUnit.h"
#include "tests/Eventually.h"

namespace {

// The dummy driver plays in real time on SDL's audio thread, so a short sound
// may end while a slow test still looks at it. Holding the device's lock stops
// that clock: the mixer's own calls on this thread still run (the lock is
// recursive), and nothing plays on until it is let go.
class THeldAudioClock {
 public:
  THeldAudioClock() {
    for (SDL_AudioDeviceID id = 1; id < 64 && !Device; ++id)
      if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING) Device = id;
    EXPECT_NE(Device, 0u) << "no open audio device";
    if (Device) SDL_LockAudioDevice(Device);
  }
  ~THeldAudioClock() {
    if (Device) SDL_UnlockAudioDevice(Device);
  }
  THeldAudioClock(const THeldAudioClock&) = delete;
  THeldAudioClock& operator=(const THeldAudioClock&) = delete;

 private:
  SDL_AudioDeviceID Device = 0;
};

// The dummy audio driver: a device that plays in real time into nothing.
struct TSounds : testing::Test {
  TGameSounds Sounds;
  void SetUp() override {
    SetupData = std::make_unique<TSetupDaten>();
    Sounds.Settings = SoundSettingsOfSetup;
    Sounds.SoundStartUp();
    ASSERT_TRUE(Sounds.Output.IsOpen()) << "SDL_AUDIODRIVER=dummy expected";
  }
  void TearDown() override {
    Sounds.SoundShutDown();
    SetupData.reset();
  }
  bool Active(int slot) const {
    return Sounds.Output.IsActive(Sounds.Channels[static_cast<size_t>(slot)]);
  }
};

}  // namespace

TEST_F(TSounds, EachSoundInItsSlotOneAtATime) {
  THeldAudioClock held;
  Sounds.PlaySnap();
  const std::uint32_t first = Sounds.Channels[TGameSounds::SlotSnap];
  EXPECT_NE(first, 0u);
  EXPECT_TRUE(Active(TGameSounds::SlotSnap));
  Sounds.PlaySnap();
  EXPECT_NE(Sounds.Channels[TGameSounds::SlotSnap], first);
  EXPECT_FALSE(Sounds.Output.IsActive(first)) << "a new snap cuts the old one off";
  Sounds.PlayShot();
  Sounds.PlayFinale();
  Sounds.PlayIntro();
  Sounds.PlayMusic();
  for (int slot = 1; slot <= 5; ++slot) EXPECT_TRUE(Active(slot)) << "slot " << slot;
  EXPECT_TRUE(Sounds.IsMusicPlaying());
  Sounds.StopAllSounds();
  for (int slot = 1; slot <= 5; ++slot) EXPECT_FALSE(Active(slot)) << "slot " << slot;
  EXPECT_NE(Sounds.Channels[TGameSounds::SlotSnap], 0u) << "a slot keeps its last handle";
}

TEST_F(TSounds, EffectsEndByThemselvesTheMusicLoops) {
  Sounds.PlayShot();
  Sounds.PlayMusic();
  EXPECT_EVENTUALLY(!Active(TGameSounds::SlotShot));
  EXPECT_TRUE(Sounds.IsMusicPlaying());
  EXPECT_TRUE(Sounds.StopMusic());
  EXPECT_FALSE(Sounds.IsMusicPlaying());
  EXPECT_FALSE(Sounds.StopMusic());
}

TEST_F(TSounds, TheSettingsGateEffectsAndMusicButNotTheIntro) {
  THeldAudioClock held;
  SetupData->Sound = false;
  SetupData->Music = false;
  Sounds.PlaySnap();
  Sounds.PlayShot();
  Sounds.PlayFinale();
  Sounds.PlayMusic();
  for (int slot : {1, 2, 3, 5}) EXPECT_EQ(Sounds.Channels[static_cast<size_t>(slot)], 0u) << slot;
  Sounds.PlayIntro();
  EXPECT_TRUE(Active(TGameSounds::SlotIntro));
}

TEST_F(TSounds, TheVolumeFollowsTheSettingsAndIsPutBackAtTheEnd) {
  EXPECT_EQ(Sounds.Channels[6], 100u);
  EXPECT_EQ(Sounds.Output.Volume(), 50);
  SetupData->Volume = 80;
  EXPECT_EQ(Sounds.Output.Volume(), 50) << "only ApplyVolume changes it";
  Sounds.ApplyVolume();
  EXPECT_EQ(Sounds.Output.Volume(), 80);
  Sounds.SoundShutDown();
  EXPECT_EQ(Sounds.Output.Volume(), 100);
  EXPECT_FALSE(Sounds.Output.IsOpen());
}

TEST_F(TSounds, TheProgramStaysStoppableBySignals) {
  struct sigaction action {};
  sigaction(SIGTERM, nullptr, &action);
  EXPECT_EQ(action.sa_handler, SIG_DFL);
  sigaction(SIGINT, nullptr, &action);
  EXPECT_EQ(action.sa_handler, SIG_DFL);
}

TEST(SoundsWithoutADevice, StaySilentAndHarmless) {
  SetupData = std::make_unique<TSetupDaten>();
  const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  TGameSounds sounds;
  sounds.Settings = SoundSettingsOfSetup;
  sounds.SoundStartUp();
  setenv("SDL_AUDIODRIVER", driver.constData(), 1);
  EXPECT_FALSE(sounds.Output.IsOpen());
  sounds.PlaySnap();
  sounds.PlayMusic();
  sounds.PlayIntro();
  for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(sounds.Channels[static_cast<size_t>(slot)], 0u);
  EXPECT_FALSE(sounds.IsMusicPlaying());
  EXPECT_FALSE(sounds.StopMusic());
  sounds.StopAllSounds();
  sounds.ApplyVolume();
  sounds.SoundShutDown();
  SetupData.reset();
}
