# SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the scripts that start an X server of their own.
#
# start_free_xvfb LOGDIR: starts Xvfb (1024 x 768) on a free display and sets
# xvfb_display (":N") and xvfb_pid; the caller ends it. A display counts as
# ours only when it answers and its lock file names our Xvfb: an Xvfb that
# died because another server holds the number would otherwise leave the
# caller running the game on someone else's screen. Fails after five tries.
start_free_xvfb() {
  local dir=$1 n pid
  xvfb_display= xvfb_pid=
  for _ in 1 2 3 4 5; do
    n=$(((RANDOM % 5000) + 3000))
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$dir/xvfb-$n.log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
      kill -0 "$pid" 2>/dev/null || break
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        if [ "$(tr -d ' ' <"/tmp/.X$n-lock" 2>/dev/null)" = "$pid" ] && kill -0 "$pid" 2>/dev/null; then
          xvfb_display=:$n xvfb_pid=$pid
          return 0
        fi
        break  # someone else's server answered
      fi
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  echo "$(basename "$0"): Xvfb did not start on a free display" >&2
  return 1
}
