// SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TerminationSignals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace {

int SignalPipe[2] = {-1, -1};
bool Requested = false;

// A handler may only do async-signal-safe things: it writes a byte that the
// event loop reads.
void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(SignalPipe[1], &byte, 1);
}

}  // namespace

void EndOnTerminationSignals() {
  if (SignalPipe[0] >= 0) return;
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, SignalPipe) != 0) {
    SignalPipe[0] = SignalPipe[1] = -1;
    return;  // the signals keep their default: the game ends all the same
  }
  auto* notifier =
      new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    char bytes[16];
    while (read(SignalPipe[0], bytes, sizeof bytes) > 0) {
    }
    Requested = true;
    // exit, not quit: quit would ask the windows to close, and closing asks the player.
    QCoreApplication::exit(0);
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool TerminationRequested() { return Requested; }
