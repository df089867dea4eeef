// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <cstdint>
#include <map>
#include <vector>

struct Mix_Chunk;
struct _Mix_Music;

// Sound output over SDL's audio subsystem and SDL_mixer. Streams are numbered
// handles (0: none) that decode from bytes the program carries: one-shot
// sounds, decoded once and kept, that end by themselves, and one looping piece
// streamed from its bytes. The volume, 0 … 100, is the program's own master
// volume: the desktop's mixer is never touched. Without an output device every
// call is harmless and nothing plays.
using TStreamHandle = std::uint32_t;

class TAudioOutput {
 public:
  TAudioOutput() = default;
  TAudioOutput(const TAudioOutput&) = delete;
  TAudioOutput& operator=(const TAudioOutput&) = delete;
  ~TAudioOutput();

  bool Open();
  void Close();
  bool IsOpen() const { return Opened; }

  // The bytes must stay valid as long as the stream (resources do).
  TStreamHandle CreateStream(const QByteArray& bytes, bool loop);
  void Play(TStreamHandle stream);
  bool IsActive(TStreamHandle stream) const;
  void Free(TStreamHandle stream);
  void StopAll();

  int Volume() const { return MasterVolume; }
  void SetVolume(int volume);

 private:
  struct TStream {
    Mix_Chunk* Chunk = nullptr;   // one-shot
    _Mix_Music* Music = nullptr;  // looping
    int Channel = -1;
  };
  Mix_Chunk* DecodedChunk(const QByteArray& bytes);
  void ForgetEndedStreams();

  bool Opened = false;
  int MasterVolume = 100;
  TStreamHandle LastHandle = 0;
  TStreamHandle CurrentMusic = 0;  // the looping stream last started
  std::map<TStreamHandle, TStream> Streams;
  std::map<const char*, Mix_Chunk*> Decoded;
  std::vector<TStreamHandle> ChannelOwner;
};
