// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/AudioOutput.h"

#include <algorithm>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {
constexpr int MixerChannels = 8;

int MixerVolume(int volume) { return volume * MIX_MAX_VOLUME / 100; }
}  // namespace

TAudioOutput::~TAudioOutput() { Close(); }

bool TAudioOutput::Open() {
  if (Opened) return true;
  // SDL would take over SIGINT and SIGTERM; the program must stay stoppable.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  Mix_Init(MIX_INIT_MP3);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(MixerChannels);
  ChannelOwner.assign(MixerChannels, 0);
  Opened = true;
  SetVolume(MasterVolume);
  return true;
}

void TAudioOutput::Close() {
  if (!Opened) return;
  StopAll();
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  for (auto& [handle, stream] : Streams)
    if (stream.Music) Mix_FreeMusic(stream.Music);
  Streams.clear();
  for (auto& [bytes, chunk] : Decoded) Mix_FreeChunk(chunk);
  Decoded.clear();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  Opened = false;
}

Mix_Chunk* TAudioOutput::DecodedChunk(const QByteArray& bytes) {
  const auto known = Decoded.find(bytes.constData());
  if (known != Decoded.end()) return known->second;
  Mix_Chunk* chunk =
      Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size())), 1);
  if (chunk) Decoded[bytes.constData()] = chunk;
  return chunk;
}

// One-shot streams free themselves when they end: drop their records.
void TAudioOutput::ForgetEndedStreams() {
  for (auto it = Streams.begin(); it != Streams.end();) {
    if (it->second.Chunk && it->second.Channel >= 0 && !IsActive(it->first))
      it = Streams.erase(it);
    else
      ++it;
  }
}

TStreamHandle TAudioOutput::CreateStream(const QByteArray& bytes, bool loop) {
  if (!Opened || bytes.isEmpty()) return 0;
  ForgetEndedStreams();
  TStream stream;
  if (loop) {
    stream.Music =
        Mix_LoadMUS_RW(SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size())), 1);
    if (!stream.Music) return 0;
  } else {
    stream.Chunk = DecodedChunk(bytes);
    if (!stream.Chunk) return 0;
  }
  const TStreamHandle handle = ++LastHandle;
  Streams[handle] = stream;
  return handle;
}

void TAudioOutput::Play(TStreamHandle handle) {
  const auto found = Streams.find(handle);
  if (found == Streams.end()) return;
  TStream& stream = found->second;
  if (stream.Music) {
    if (Mix_PlayMusic(stream.Music, -1) == 0) CurrentMusic = handle;
    return;
  }
  if (stream.Channel >= 0) return;
  stream.Channel = Mix_PlayChannel(-1, stream.Chunk, 0);
  if (stream.Channel >= 0 && stream.Channel < MixerChannels)
    ChannelOwner[static_cast<size_t>(stream.Channel)] = handle;
}

bool TAudioOutput::IsActive(TStreamHandle handle) const {
  const auto found = Streams.find(handle);
  if (found == Streams.end()) return false;
  const TStream& stream = found->second;
  if (stream.Music) return CurrentMusic == handle && Mix_PlayingMusic() != 0;
  return stream.Channel >= 0 && ChannelOwner[static_cast<size_t>(stream.Channel)] == handle &&
         Mix_Playing(stream.Channel) != 0;
}

void TAudioOutput::Free(TStreamHandle handle) {
  const auto found = Streams.find(handle);
  if (found == Streams.end()) return;
  TStream& stream = found->second;
  if (stream.Music) {
    Mix_HaltMusic();
    Mix_FreeMusic(stream.Music);
  } else if (IsActive(handle)) {
    Mix_HaltChannel(stream.Channel);
  }
  Streams.erase(found);
}

void TAudioOutput::StopAll() {
  if (Opened) Mix_HaltChannel(-1);
  for (auto it = Streams.begin(); it != Streams.end();) {
    if (it->second.Music) {
      Mix_HaltMusic();
      Mix_FreeMusic(it->second.Music);
    }
    it = Streams.erase(it);
  }
}

void TAudioOutput::SetVolume(int volume) {
  MasterVolume = std::clamp(volume, 0, 100);
  if (!Opened) return;
  Mix_MasterVolume(MixerVolume(MasterVolume));
  Mix_VolumeMusic(MixerVolume(MasterVolume));
}
