#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the five MP3 files of resources/mp3 from free sounds and music in
# Debian packages: sound-theme-freedesktop for the effects, the soundtrack of
# The Battle for Wesnoth (wesnoth-1.16-music) for the music.
#   usage: sounds.sh WORKDIR CREDITS_ROWS_FILE
# Every sox call runs with -R (fixed dither seed) and lame writes no Xing/Info
# frame and no ID3 tag, so two runs give byte-identical files.
set -euo pipefail

work=$1
rows=$2
case $rows in /*) ;; *) rows=$PWD/$rows ;; esac
out=$(cd "$(dirname "$0")/../../resources" && pwd)/mp3
mkdir -p "$out" "$work"
cd "$work"

apt-get download -qq sound-theme-freedesktop wesnoth-1.16-music >/dev/null 2>&1 \
  || apt-get download sound-theme-freedesktop wesnoth-1.16-music
for deb in sound-theme-freedesktop_*.deb wesnoth-1.16-music_*.deb; do
  dpkg-deb -x "$deb" x
done
fx=x/usr/share/sounds/freedesktop/stereo
music=x/usr/share/games/wesnoth/1.16/data/core/music
for f in "$fx/camera-shutter.oga" "$fx/message.oga" "$music/victory.ogg" \
  "$music/transience.ogg" "$music/silvan_sanctuary.ogg"; do
  [ -f "$f" ] || { echo "sounds.sh: $f is missing from its package" >&2; exit 1; }
done

# Intermediate files are 32-bit float, so only the last step quantises.
f32=(-e floating-point -b 32)
s16=(-e signed-integer -b 16)

frames() {  # number of MPEG audio frames in an MP3 without tags
  python3 - "$1" <<'EOF'
import sys
d = open(sys.argv[1], 'rb').read()
rates = {3: (44100, 48000, 32000), 2: (22050, 24000, 16000), 0: (11025, 12000, 8000)}
kbps1 = (0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320)
kbps2 = (0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160)
i = n = 0
while i + 4 <= len(d) and d[i] == 0xFF and d[i + 1] & 0xE0 == 0xE0:
    ver = (d[i + 1] >> 3) & 3
    br = (kbps1 if ver == 3 else kbps2)[d[i + 2] >> 4] * 1000
    sr = rates[ver][(d[i + 2] >> 2) & 3]
    i += (144 if ver == 3 else 72) * br // sr + ((d[i + 2] >> 1) & 1)
    n += 1
print(n)
EOF
}

check_start() {  # the first bytes must be a frame sync, not a tag or junk
  local head
  head=$(od -An -tx1 -N2 "$1" | tr -d ' \n')
  case $head in ff[ef]?) ;; *) echo "sounds.sh: $1 starts with $head" >&2; exit 1 ;; esac
}

row() { printf '| %s | %s | %s | %s | %s |\n' "$@" >>"$rows"; }

# --- MP3_SNAP: the camera shutter, played when the right photo is found.
# The click sits between 0.06 s and 0.37 s of the 0.87 s file; the rest is silence.
sox -R "$fx/camera-shutter.oga" "${f32[@]}" snap.wav \
  trim 0.055 0.40 remix - rate -v 44100 fade h 0 -0 0.03 gain -n -1
sox -R snap.wav "${s16[@]}" snap16.wav
lame --quiet -t -b 128 --cbr -m m --resample 44.1 snap16.wav "$out/MP3_SNAP.mp3"
row MP3_SNAP.mp3 "sound-theme-freedesktop 0.8-2, /usr/share/sounds/freedesktop/stereo/camera-shutter.oga" \
  "freesound user horsthorstensen" "CC-BY-SA-3.0" \
  "cut to the shutter click (0.055 s to 0.455 s), mixed to mono, resampled from 96 kHz to 44.1 kHz, normalised to -1 dBFS, MP3 128 kbit/s mono"

# --- MP3_SHOT: a wrong photo was pressed. The soft pluck of message.oga,
# shortened and low-passed into a muted knock so that it never grates.
# 3,300 samples make exactly four MPEG-1 frames (0.104 s) with lame's delay.
sox -R "$fx/message.oga" "${f32[@]}" shot.wav \
  trim 0 3300s rate -v 44100 lowpass 700 lowpass 700 fade h 0.002 -0 0.035 gain -n -1
sox -R shot.wav "${s16[@]}" shot16.wav
lame --quiet -t -b 128 --cbr -m s --resample 44.1 shot16.wav "$out/MP3_SHOT.mp3"
row MP3_SHOT.mp3 "sound-theme-freedesktop 0.8-2, /usr/share/sounds/freedesktop/stereo/message.oga" \
  "Ivica Bukvic" "CC-BY-SA-3.0" \
  "first 75 ms taken, low-passed at 700 Hz (twice) into a muted knock, short fade-out, normalised to -1 dBFS, MP3 128 kbit/s plain stereo"

# --- MP3_FINALE: the game is complete. The closing bars of Wesnoth's victory
# fanfare: the last phrase (from 2.48 s), the final chord and its first decay.
sox -R "$music/victory.ogg" "${f32[@]}" finale.wav \
  trim 2.48 1.66 rate -v 44100 fade h 0.01 -0 0.5 gain -n -1
sox -R finale.wav "${s16[@]}" finale16.wav
lame --quiet -t -b 224 --cbr -m j --resample 44.1 finale16.wav "$out/MP3_FINALE.mp3"
row MP3_FINALE.mp3 "wesnoth-1.16-music 1:1.16.9-1, /usr/share/games/wesnoth/1.16/data/core/music/victory.ogg (\"Victory\")" \
  "Timothy Pinkham, for The Battle for Wesnoth" "GPL-2+" \
  "cut to the closing bars (2.48 s to 4.14 s), 0.5 s fade-out, normalised to -1 dBFS, MP3 224 kbit/s joint stereo"

# --- MP3_INTRO: the opening of "Transience", the former title music of
# Wesnoth, while the fire picture fades in. Slightly below the effects.
sox -R "$music/transience.ogg" "${f32[@]}" intro.wav \
  trim 0 12 rate -v 11025 fade h 0.3 -0 4 gain -n -2
sox -R intro.wav "${s16[@]}" intro16.wav
lame --quiet -t -b 32 --cbr -m j --resample 11.025 intro16.wav "$out/MP3_INTRO.mp3"
row MP3_INTRO.mp3 "wesnoth-1.16-music 1:1.16.9-1, /usr/share/games/wesnoth/1.16/data/core/music/transience.ogg (\"Transience\")" \
  "Aleksi Aubry-Carlson, for The Battle for Wesnoth" "GPL-2+" \
  "first 12 s taken, 0.3 s fade-in, 4 s gentle fade-out, resampled to 11,025 Hz, normalised to -2 dBFS, MP3 (MPEG-2.5) 32 kbit/s joint stereo"

# --- MP3_MUSIC: "Silvan Sanctuary" as the background loop.
# The game plays the file over and over, so its last sample must lead into its
# first one:
#  1. The piece (without the near-silent first 0.9 s and last 0.4 s) is taken at
#     11,025 Hz; its length L is in samples.
#  2. Its last X samples (about 4 s, the decay of the final chord) are laid over
#     its first X samples with an equal-power crossfade (quarter sine out and
#     in), and the result goes at the end of samples X..L-X. The file then ends
#     exactly where its own start continues; length N = L - X, and X is chosen
#     so that N is a whole number of MPEG-2.5 frames (576 samples).
#  3. lame delays its output by 1,105 samples and pads the end, which would be a
#     gap at every turn. So the encoder gets 623 samples of the loop's end before
#     the loop and four frames of its start after it, with the bit reservoir off
#     (--nores, every frame stands alone); then the first three frames
#     (3 x 576 = 623 + 1,105 samples) and the trailing ones are cut off. What is
#     left decodes to exactly the N samples of the loop, start to end.
sr=11025
sox -R "$music/silvan_sanctuary.ogg" "${f32[@]}" piece.wav trim 0.9 -0.4 gain -3 rate -v $sr
L=$(soxi -s piece.wav)
N=$(( (L - 4 * sr) / 576 * 576 ))
X=$(( L - N ))
sox -R piece.wav "${f32[@]}" head.wav trim 0 ${X}s fade q ${X}s
sox -R piece.wav "${f32[@]}" tail.wav trim $((L - X))s fade q 0 -0 ${X}s
sox -R piece.wav "${f32[@]}" body.wav trim ${X}s $((L - 2 * X))s
sox -R -m -v 1 tail.wav -v 1 head.wav "${f32[@]}" seam.wav
sox -R body.wav seam.wav "${s16[@]}" loop.wav gain -n -2
[ "$(soxi -s loop.wav)" -eq "$N" ] || { echo "sounds.sh: loop is not $N samples" >&2; exit 1; }
pre=$(( 3 * 576 - 1105 ))
sox -R loop.wav pre.wav trim $((N - pre))s
sox -R loop.wav post.wav trim 0 $((4 * 576))s
sox -R pre.wav loop.wav post.wav enc.wav
lame --quiet -t --nores -b 32 --cbr -m j --resample 11.025 enc.wav music-full.mp3
python3 - music-full.mp3 "$out/MP3_MUSIC.mp3" 3 $((N / 576)) <<'EOF'
import sys
src, dst, first, count = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
d = open(src, 'rb').read()
kbps2 = (0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160)
spans, i = [], 0
while i + 4 <= len(d) and d[i] == 0xFF and d[i + 1] & 0xE0 == 0xE0:
    size = 72 * kbps2[d[i + 2] >> 4] * 1000 // 11025 + ((d[i + 2] >> 1) & 1)
    spans.append((i, i + size))
    i += size
if len(spans) < first + count:
    sys.exit(f"only {len(spans)} frames in {src}")
open(dst, 'wb').write(d[spans[first][0]:spans[first + count - 1][1]])
EOF
row MP3_MUSIC.mp3 "wesnoth-1.16-music 1:1.16.9-1, /usr/share/games/wesnoth/1.16/data/core/music/silvan_sanctuary.ogg (\"Silvan Sanctuary\")" \
  "Mattias Westlund, for The Battle for Wesnoth" "GPL-2+" \
  "made into a seamless loop: near-silent 0.9 s at the start and 0.4 s at the end cut, resampled to 11,025 Hz, the last $(awk "BEGIN{printf \"%.2f\", $X/$sr}") s crossfaded (equal power) over the first ones so the end runs into the start, normalised to -2 dBFS; encoded with lame (32 kbit/s, MPEG-2.5, joint stereo, no bit reservoir) with a wrap-around pre-roll whose frames were then cut, so the file decodes to exactly one turn of the loop ($N samples)"

for f in SNAP SHOT FINALE INTRO MUSIC; do
  check_start "$out/MP3_$f.mp3"
  if ! mpg123 -q -t "$out/MP3_$f.mp3" >mpg123.log 2>&1 || [ -s mpg123.log ]; then
    echo "sounds.sh: mpg123 complains about MP3_$f.mp3:" >&2; cat mpg123.log >&2; exit 1
  fi
  echo "MP3_$f.mp3: $(frames "$out/MP3_$f.mp3") frames"
done
