// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <functional>

// A child process that answers through a pipe: the body runs in the child with
// the pipe's writing end, and the child ends with status 0 when the body returns.
// The parent keeps the reading end until the object goes.
struct TChildWithPipe {
  pid_t Pid = -1;
  int ReadEnd = -1;

  explicit TChildWithPipe(const std::function<void(int writeEnd)>& body) {
    int ends[2];
    if (pipe(ends) != 0) return;
    Pid = fork();
    if (Pid == 0) {
      close(ends[0]);
      body(ends[1]);
      _exit(0);
    }
    close(ends[1]);
    if (Pid < 0)
      close(ends[0]);
    else
      ReadEnd = ends[0];
  }
  ~TChildWithPipe() {
    if (ReadEnd >= 0) close(ReadEnd);
  }
  TChildWithPipe(const TChildWithPipe&) = delete;
  TChildWithPipe& operator=(const TChildWithPipe&) = delete;

  bool Started() const { return Pid > 0 && ReadEnd >= 0; }
};
