#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game's photographs (FOTO_01..25) and its main pictures: the film-strip
# frame, the camera on the tile backs, the stones under the play area, the fire
# of the intro screen and the title logo.
# Usage: photos.sh WORKDIR CREDITS_ROWS_FILE
# The photos come from Debian wallpaper packages (fetched, never installed);
# everything else is drawn here. Same input, same bytes: fixed seeds, -strip.
set -euo pipefail

work=$(cd "$1" && pwd)
rows=$2
mkdir -p "$(dirname "$0")/../../resources"
res=$(cd "$(dirname "$0")/../../resources" && pwd)
jpg=$res/jpg
bmp=$res/bitmap
mkdir -p "$jpg" "$bmp"

# One thread: the machines are small and shared, and it keeps the output stable.
export MAGICK_THREAD_LIMIT=1 OMP_NUM_THREADS=1
# Plain JPEG as the game loads it: baseline, 4:2:0, no metadata, always RGB.
jpeg_opts=(-strip -interlace none -sampling-factor 4:2:0 -quality 90 -type TrueColor)

row() { printf '| %s | %s | %s | %s | %s |\n' "$@" >>"$rows"; }

# --- sources ---------------------------------------------------------------
src=$work/x
mkdir -p "$src"
fetch() {
  local pkg=$1
  [ -d "$src/$pkg" ] && return 0
  (cd "$work" && apt-get download -qq "$pkg" 2>/dev/null) ||
    (cd "$work" && apt-get download "$pkg")
  dpkg-deb -x "$work/${pkg}"_*.deb "$src/$pkg"
}

# --- the 25 photographs ----------------------------------------------------
# Chosen by eye so that at tile size (120 px) no two share a subject or a
# colour scheme. package|file in the package|author|licence (as debian/copyright
# of that package gives it for the file).
plasma_lic='GPL-2+ (debian/copyright, Files: *; the wallpaper'"'"'s metadata.json says LGPL-3)'
photos=(
  "lomiri-wallpapers-16.04|usr/share/backgrounds/Bridge_by_Sander_Klootwijk.jpg|Sander Klootwijk|CC-BY-SA-4.0"
  "lomiri-wallpapers-16.04|usr/share/backgrounds/Picture_0B_by_freespace.jpg|Trevor \"Freespace\"|CC-BY-4.0"
  "lomiri-wallpapers-16.04|usr/share/backgrounds/Picture_1A_by_freespace.jpg|Trevor \"Freespace\"|CC-BY-4.0"
  "lomiri-wallpapers-16.04|usr/share/backgrounds/Wine_by_Jakkub_Mede.jpg|Jakub Mede|CC-BY-4.0"
  "lomiri-wallpapers-16.04|usr/share/backgrounds/aitzgorri_by_Aitzol_Berasategi.jpg|Aitzol Berasategi|CC-BY-4.0"
  "lomiri-wallpapers-16.04|usr/share/backgrounds/free_by_Peter_Nerlich.jpg|Peter Nerlich|CC-BY-SA-4.0"
  "lomiri-wallpapers-16.04|usr/share/backgrounds/friends_by_Aitzol_Berasategi.jpg|Aitzol Berasategi|CC-BY-4.0"
  "lomiri-wallpapers-16.04|usr/share/backgrounds/greentock_by_Peter_Nerlich.jpg|Peter Nerlich|CC-BY-SA-4.0"
  "lomiri-wallpapers-16.04|usr/share/backgrounds/life_by_Aitzol_Berasategi.jpg|Aitzol Berasategi|CC-BY-4.0"
  "lomiri-wallpapers-16.04|usr/share/backgrounds/seeding_by_Clements_Engelhardt.jpg|Clemens Engelhardt|CC0-1.0"
  "lomiri-wallpapers-16.04|usr/share/backgrounds/sunset_by_Aitzol_Berasategi.jpg|Aitzol Berasategi|CC-BY-4.0"
  "lomiri-wallpapers-20.04|usr/share/backgrounds/Kleiber_by_Lukas_Baubkus.jpg|Lukas Baubkus|CC-BY-SA-3.0"
  "mate-backgrounds|usr/share/backgrounds/mate/nature/Aqua.jpg|Charles Barbin|GPL-2+"
  "mate-backgrounds|usr/share/backgrounds/mate/nature/FreshFlower.jpg|Jens Ansorg|GPL-2+"
  "mate-backgrounds|usr/share/backgrounds/mate/nature/LadyBird.jpg|Charles Barbin|GPL-2+"
  "mate-backgrounds|usr/share/backgrounds/mate/nature/Storm.jpg|Sergey Nazarov|GPL-2+"
  "mate-backgrounds|usr/share/backgrounds/mate/nature/Wood.jpg|Jean-François Fortin Tam|GPL-2+"
  "mate-backgrounds|usr/share/backgrounds/mate/nature/YellowFlower.jpg|Charles Barbin|GPL-2+"
  "mate-backgrounds|usr/share/backgrounds/mate/nature/Dune.jpg|Marco Cogoni, Hylke Bons|GPL-2+"
  "plasma-workspace-wallpapers|usr/share/wallpapers/ColorfulCups/contents/images/2560x1600.jpg|Dmitri Popov|$plasma_lic"
  "plasma-workspace-wallpapers|usr/share/wallpapers/Kite/contents/images/2560x1600.jpg|Risto Saukonpää|$plasma_lic"
  "plasma-workspace-wallpapers|usr/share/wallpapers/OneStandsOut/contents/images/2560x1600.jpg|Risto Saukonpää|$plasma_lic"
  "plasma-workspace-wallpapers|usr/share/wallpapers/summer_1am/contents/images/2560x1600.jpg|Risto Saukonpää|$plasma_lic"
  "plasma-workspace-wallpapers|usr/share/wallpapers/ColdRipple/contents/images/2560x1600.jpg|Risto Saukonpää|$plasma_lic"
  "plasma-workspace-wallpapers|usr/share/wallpapers/BytheWater/contents/images/2560x1600.jpg|Maciej Wiklo|$plasma_lic"
)

n=0
for entry in "${photos[@]}"; do
  IFS='|' read -r pkg file author lic <<<"$entry"
  fetch "$pkg"
  n=$((n + 1))
  out=$(printf 'FOTO_%02d.jpg' "$n")
  in=$src/$pkg/$file
  side=$(identify -format '%[fx:min(w,h)]' "${in}[0]")
  convert "${in}[0]" -auto-orient -colorspace sRGB -gravity center \
    -crop "${side}x${side}+0+0" +repage -filter Lanczos -resize 350x350 \
    -unsharp 0x0.6+0.5+0 "${jpeg_opts[@]}" "$jpg/$out"
  row "resources/jpg/$out" "$pkg: /$file" "$author" "$lic" \
    "centre-cropped to a square, scaled to 350 × 350, lightly sharpened"
done
echo "photos: $n"

# --- tools and font for the drawn pictures -----------------------------------
if ! command -v rsvg-convert >/dev/null 2>&1; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get install -y -qq librsvg2-bin >/dev/null
fi
fetch fonts-linuxlibertine
fontdir=$src/fonts-linuxlibertine/usr/share/fonts/opentype/linux-libertine
font_title=$fontdir/LinLibertine_RB.otf
font_edge=$fontdir/LinBiolinum_RB.otf
font_credit="fonts-linuxlibertine: Linux Libertine / Biolinum by Philipp H. Poll, GPL-2+ with Font exception and OFL-1.1"

# --- FRAME.bmp: the film strip around the large photo ------------------------
# White is the see-through colour, so the strip itself must never reach it:
# holes and window are drawn without anti-aliasing, the material stays dark.
tmp=$work/draw
mkdir -p "$tmp"
W=366 H=300
# Material: grey-brown with a soft sheen running down the strip, faint
# lengthwise streaks and a little grain.
convert -size ${W}x${H} xc: -fx \
  '0.80+0.17*exp(-pow((i/(w-1)-0.30)/0.16,2))+0.07*exp(-pow((i/(w-1)-0.78)/0.07,2))-0.12*pow(abs(i/(w-1)-0.5)*2,6)' \
  "$tmp/sheen.png"
convert -size ${W}x1 xc:gray50 -seed 11 -attenuate 0.6 +noise Uniform -blur 0x0.7 \
  -scale ${W}x${H}! "$tmp/streak.png"
convert -size ${W}x${H} xc:'#5A5048' "$tmp/sheen.png" -compose Multiply -composite \
  "$tmp/streak.png" -compose SoftLight -composite \
  -seed 12 -attenuate 0.25 +noise Gaussian \
  -fill '#2E2824' -draw 'line 0,0 0,299' -draw 'line 365,0 365,299' \
  "$tmp/strip.png"

# Edge printing in dim amber, outside the sprocket holes, reading along the film.
edge_text() { # WIDTH TEXT OUT
  convert -size "$1"x12 xc:none -font "$font_edge" -pointsize 9 -fill '#94703A' \
    -gravity west -annotate +0+0 "$2" "$3"
}
edge_text 300 '   14       TESSARYN 400        14A         15       TESSARYN 400' "$tmp/edgeL.png"
edge_text 300 '  TESSARYN 400   5063        14A       TESSARYN 400   5063        15' "$tmp/edgeR.png"
convert "$tmp/edgeL.png" -rotate -90 "$tmp/edgeL.png"
convert "$tmp/edgeR.png" -rotate 90 "$tmp/edgeR.png"

holes=()
for i in 0 1 2 3 4 5 6 7; do
  y0=$(( (i * 75) / 2 + 12 )); y1=$((y0 + 13))
  # a dark rim first, so each hole reads as punched through the base
  holes+=(-fill '#2A2420' -draw "roundrectangle 14,$((y0 - 1)) 33,$((y1 + 1)) 3,3"
          -fill '#2A2420' -draw "roundrectangle 332,$((y0 - 1)) 351,$((y1 + 1)) 3,3"
          -fill white -draw "roundrectangle 15,$y0 32,$y1 3,3"
          -fill white -draw "roundrectangle 333,$y0 350,$y1 3,3")
done
convert "$tmp/strip.png" \
  "$tmp/edgeL.png" -geometry +1+0 -compose Over -composite \
  "$tmp/edgeR.png" -geometry +353+0 -compose Over -composite \
  +antialias "${holes[@]}" \
  -fill '#2A2420' -draw 'roundrectangle 37,4 328,295 5,5' \
  -fill white -draw 'roundrectangle 38,5 327,294 4,4' \
  -alpha off -type TrueColor -compress None "BMP3:$bmp/FRAME.bmp"
row "resources/bitmap/FRAME.bmp" "drawn by scripts/resources/photos.sh; lettering in $font_credit" \
  "Tessaryn Puzzle developers" "same as the program" \
  "film strip drawn with ImageMagick: sheen, grain, sprocket holes, edge printing"

# --- KAMERA.bmp: the camera on the back of the face-down tiles ----------------
# Drawn large from SVG, scaled down, then every pixel made either fully the
# camera or fully the magenta key, so no pink fringe shows on the tile.
cat >"$tmp/kamera.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="392" height="280" viewBox="0 0 49 35">
  <defs>
    <linearGradient id="body" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#eef0f2"/>
      <stop offset="0.24" stop-color="#b4bbc2"/>
      <stop offset="0.25" stop-color="#50565e"/>
      <stop offset="0.6" stop-color="#3a3f46"/>
      <stop offset="1" stop-color="#25282d"/>
    </linearGradient>
    <linearGradient id="silver" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#f4f6f7"/>
      <stop offset="1" stop-color="#a3abb3"/>
    </linearGradient>
    <linearGradient id="ring" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#f2f4f6"/>
      <stop offset="0.5" stop-color="#9aa2aa"/>
      <stop offset="1" stop-color="#5c636a"/>
    </linearGradient>
    <radialGradient id="glass" cx="0.42" cy="0.38" r="0.7">
      <stop offset="0" stop-color="#5a7594"/>
      <stop offset="0.45" stop-color="#263447"/>
      <stop offset="1" stop-color="#0b0e13"/>
    </radialGradient>
    <linearGradient id="flash" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#fbfcfd"/>
      <stop offset="1" stop-color="#aeb9c2"/>
    </linearGradient>
  </defs>
  <g stroke="#14161a" stroke-width="1" stroke-linejoin="round">
    <path d="M14.5 10 L18 4.5 H31 L34.5 10 Z" fill="url(#silver)"/>
    <rect x="36.5" y="6" width="6" height="4" rx="1" fill="url(#silver)"/>
    <rect x="2.5" y="9.5" width="44" height="23" rx="3" fill="url(#body)"/>
    <rect x="5.5" y="11.5" width="7" height="3.5" rx="0.6" fill="url(#flash)" stroke-width="0.8"/>
    <rect x="37.5" y="11.5" width="5" height="3" rx="0.6" fill="#2a3545" stroke-width="0.8"/>
    <circle cx="24.5" cy="21" r="10.2" fill="url(#ring)"/>
    <circle cx="24.5" cy="21" r="7.6" fill="#1c1f24" stroke-width="0.7"/>
    <circle cx="24.5" cy="21" r="5.8" fill="url(#glass)" stroke-width="0.6"/>
  </g>
  <ellipse cx="22.3" cy="18.6" rx="2.2" ry="1.5" fill="#ffffff" fill-opacity="0.9"/>
  <circle cx="27.4" cy="24" r="0.9" fill="#ffffff" fill-opacity="0.45"/>
  <path d="M20 5.6 H29" stroke="#ffffff" stroke-opacity="0.7" stroke-width="0.8"/>
</svg>
SVG
rsvg-convert "$tmp/kamera.svg" -o "$tmp/kamera-big.png"
convert "$tmp/kamera-big.png" -filter Box -resize 49x35! \
  -channel A -threshold 45% +channel \
  -background '#FF00FF' -alpha remove -alpha off "$tmp/kamera.png"
convert "$tmp/kamera.png" +dither -colors 256 -type Palette -compress None "BMP3:$bmp/KAMERA.bmp"
row "resources/bitmap/KAMERA.bmp" "drawn by scripts/resources/photos.sh" \
  "Tessaryn Puzzle developers" "same as the program" \
  "camera drawn as SVG, rendered with rsvg-convert, 8-bit palette, magenta #FF00FF as transparent key"

# --- STONES.jpg: the strip of stones under the play area ---------------------
# Drawn as a height field of rounded cells (pebbles), lit from the upper left.
# Everything wraps at x = 240, so the strip tiles side by side without a seam;
# the top rows start in the band's bottom colour and fade into the stones.
cat >"$tmp/stones.py" <<'PY'
import math, random, sys
W, H = 240, 448
out = sys.argv[1]
rnd = random.Random(4711)
BAND = (0xB1, 0x57, 0x25)
SX, SY = 48, 38            # cell pitch: stones wider than tall, seen at a slant
NX, NY = W // SX, H // SY + 2
# one jittered seed per cell, rows staggered; x wraps so the strip tiles
pts = {}
palette = [(128, 122, 114), (150, 138, 120), (110, 100, 92), (136, 112, 92),
           (96, 94, 96), (160, 150, 136), (120, 96, 80), (142, 132, 126)]
for j in range(NY):
    for i in range(NX):
        px = (i + 0.5 + (0.5 if j % 2 else 0) + rnd.uniform(-0.3, 0.3)) * SX
        py = (j - 0.5 + rnd.uniform(-0.28, 0.28)) * SY
        base = rnd.choice(palette)
        tint = rnd.uniform(0.82, 1.12)
        col = tuple(c * tint for c in base)
        pts[(i, j)] = (px % W, py, rnd.uniform(0.50, 0.62) * SX, col,
                       rnd.uniform(0, 6.283), rnd.uniform(0.75, 1.0))

def lattice(period_x, period_y, seed):
    r = random.Random(seed)
    return [[r.random() for _ in range(period_x)] for _ in range(period_y)]

def make_noise(cell, seed):
    px = W // cell
    py = H // cell + 2
    g = lattice(px, py, seed)
    def f(x, y):
        fx, fy = x / cell, y / cell
        x0, y0 = int(math.floor(fx)), int(math.floor(fy))
        tx, ty = fx - x0, fy - y0
        tx = tx * tx * (3 - 2 * tx); ty = ty * ty * (3 - 2 * ty)
        a = g[y0 % py][x0 % px]; b = g[y0 % py][(x0 + 1) % px]
        c = g[(y0 + 1) % py][x0 % px]; d = g[(y0 + 1) % py][(x0 + 1) % px]
        return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty
    return f
octaves = [(make_noise(c, 100 + c), w) for c, w in ((2, 0.35), (4, 0.3), (8, 0.2), (24, 0.15))]
def noise(x, y):
    return sum(f(x, y) * w for f, w in octaves)

GAP = 2.6
_fr = random.Random(99)
_fine = [[_fr.random() for _ in range(W)] for _ in range(H + 64)]
def fine(x, y):
    return _fine[int(y) % (H + 64)][int(x) % W]
height = [[0.0] * W for _ in range(H)]
owner = [[None] * W for _ in range(H)]
for y in range(H):
    cj = int(y // SY + 0.5)
    for x in range(W):
        best = []
        for j in range(cj - 1, cj + 3):
            if j < 0 or j >= NY:
                continue
            for i in range(NX):
                p = pts[(i, j)]
                dx = (x - p[0] + W / 2) % W - W / 2
                dy = (y - p[1]) * SX / SY
                best.append((dx * dx + dy * dy, dx, dy, p))
        best.sort(key=lambda t: t[0])
        d1s, dx1, dy1, p1 = best[0]
        d2s, dx2, dy2, p2 = best[1]
        sep = math.hypot(dx1 - dx2, dy1 - dy2) or 1.0
        edge = (d2s - d1s) / (2 * sep)          # distance to the shared border
        d1 = math.sqrt(d1s)
        # squash the circle a little per stone so they are not all round
        ang = math.atan2(dy1, dx1) - p1[4]
        rad = p1[2] * (1 - 0.12 * math.cos(2 * ang) * p1[5])
        a, b = edge - GAP, rad - d1
        k = 8.0                                  # smooth minimum: rounded corners
        hk = max(k - abs(a - b), 0) / k
        s = min(a, b) - hk * hk * k / 4
        if s > 0:
            t = min(s / 9.0, 1.0)
            h = 9.0 * math.sqrt(1 - (1 - t) ** 2) + 4.0 * (1 - (d1 / rad) ** 2)
            height[y][x] = h + 0.9 * fine(x, y) + 1.2 * octaves[1][0](x + p1[0], y + p1[1])
            owner[y][x] = p1
        else:
            height[y][x] = s          # negative: depth into the gap

L = (-0.45, -0.62, 0.64)
ln = math.sqrt(sum(c * c for c in L)); L = tuple(c / ln for c in L)
Hv = (L[0], L[1], L[2] + 1); hn = math.sqrt(sum(c * c for c in Hv)); Hv = tuple(c / hn for c in Hv)
soil = (42, 30, 24)
rows = bytearray()
for y in range(H):
    ym, yp = max(y - 1, 0), min(y + 1, H - 1)
    for x in range(W):
        xm, xp = (x - 1) % W, (x + 1) % W
        h = height[y][x]
        n = noise(x, y)
        if owner[y][x] is not None:
            hx = max(height[y][xp], 0) - max(height[y][xm], 0)
            hy = max(height[yp][x], 0) - max(height[ym][x], 0)
            nx, ny, nz = -hx * 0.5, -hy * 0.5, 1.0
            nl = math.sqrt(nx * nx + ny * ny + nz * nz)
            nx, ny, nz = nx / nl, ny / nl, nz / nl
            diff = max(0.0, nx * L[0] + ny * L[1] + nz * L[2])
            gloss = max(0.0, nx * Hv[0] + ny * Hv[1] + nz * Hv[2]) ** 40
            col = owner[y][x][3]
            g = fine(x * 7 + 3, y * 5 + 11)
            fleck = 0.80 if g < 0.04 else (1.12 if g > 0.97 else 1.0)
            tex = (0.78 + 0.44 * n) * (0.94 + 0.12 * fine(x + 17, y + 29)) * fleck
            shade = 0.22 + 0.95 * diff
            rim = min(max(h, 0) / 2.5, 1.0)         # edges roll into the gap
            c = [min(255.0, v * tex * shade * (0.55 + 0.45 * rim) + 70 * gloss) for v in col]
        else:
            # the gaps: dark earth, darker deep down and in the stones' shadow
            depth = min(-h / 4.0, 1.0)
            sh = 1.0
            for (ox, oy) in ((-2, -3), (-3, -4), (-1, -2)):
                yy = y + oy
                if 0 <= yy < H and owner[yy][(x + ox) % W] is not None:
                    sh = 0.55
                    break
            f = (0.95 - 0.45 * depth) * sh * (0.75 + 0.5 * n)
            c = [v * f for v in soil]
        # top edge: come out of the band's colour through a shadowed, dusty fringe
        if y < 44:
            t = y / 44.0
            m = t * t * (3 - 2 * t)
            dim = 1.0 - 0.35 * math.sin(math.pi * t / 2)
            c = [BAND[k] * dim * (1 - m) + c[k] * m for k in range(3)]
            if y < 3:
                c = list(BAND)
        rows += bytes(max(0, min(255, int(v + 0.5))) for v in c)
with open(out, 'wb') as fh:
    fh.write(b'P6\n%d %d\n255\n' % (W, H))
    fh.write(rows)
PY
python3 "$tmp/stones.py" "$tmp/stones.ppm"
convert "$tmp/stones.ppm" "${jpeg_opts[@]}" "$jpg/STONES.jpg"
row "resources/jpg/STONES.jpg" "drawn by scripts/resources/photos.sh" \
  "Tessaryn Puzzle developers" "same as the program" \
  "procedural pebbles (Python height field, lit and textured), tiles horizontally, fades in from #B15725"

# --- FIRE.jpg: the intro picture, flames on black -----------------------------
# Tongue heights from 1-D noise, bent by two smooth noise fields, broken up by
# finer noise and coloured black -> dark red -> orange -> yellow -> white.
# The border fades to black so the picture melts into the black screen.
f=$tmp/fire
mkdir -p "$f"
noise2d() { # SIZE SEED BLUR OUT: smooth noise over the whole picture
  convert -size "$1" xc: -seed "$2" +noise Random -channel G -separate +channel \
    -resize 800x600! -blur 0x"$3" -auto-level "$4"
}
noise1d() { # CELLS SEED OUT
  convert -size "$1"x1 xc: -seed "$2" +noise Random -channel G -separate +channel \
    -filter Gaussian -resize 800x1! -auto-level "$3"
}
noise1d 26 31 "$f/h1.png"; noise1d 80 32 "$f/h2.png"
convert "$f/h1.png" "$f/h2.png" -poly '0.7,1 0.3,1' -scale 800x600! "$f/tops.png"
convert -size 800x600 xc: "$f/tops.png" -fx \
  'cc=exp(-pow((i/w-0.5)/0.27,2)); top=(0.42+0.45*v)*cc+0.04; max(0,1-((h-j)/h)/top)' "$f/base.png"
noise2d 24x10 41 14 "$f/a1.png"; noise2d 60x22 42 6 "$f/a2.png"; noise2d 130x40 43 3 "$f/a3.png"
noise2d 20x8 44 16 "$f/b1.png"; noise2d 50x18 45 7 "$f/b2.png"
convert "$f/a1.png" "$f/a2.png" -poly '0.65,1 0.35,1' -auto-level "$f/dx.png"
convert "$f/b1.png" "$f/b2.png" -poly '0.6,1 0.4,1' -auto-level "$f/dy.png"
convert "$f/a2.png" "$f/a3.png" -poly '0.5,1 0.5,1' -auto-level \
  -evaluate multiply 0.45 -evaluate add 0.55 "$f/detail.png"
convert -size 800x600 xc: -fx \
  'bb=(h-1-j)/60; ee=min(1,bb)*min(1,i/40)*min(1,(w-1-i)/40)*min(1,j/40); ee*ee*(3-2*ee)' "$f/border.png"
convert xc:black xc:'#2a0300' xc:'#8a1200' xc:'#e04a00' xc:'#ff9a10' xc:'#ffd860' xc:'#fffbe8' \
  +append -filter triangle -resize 256x1! "$f/clut.png"
convert "$f/base.png" "$f/dx.png" "$f/dy.png" -define compose:args=60x90 -compose displace -composite \
  "$f/detail.png" -compose multiply -composite -auto-level -level 5%,72% -gamma 1.15 \
  "$f/border.png" -compose multiply -composite \
  "$f/clut.png" -clut \( +clone -blur 0x18 -evaluate multiply 0.65 \) -compose screen -composite \
  "$f/border.png" -compose multiply -composite \
  "${jpeg_opts[@]}" "$jpg/FIRE.jpg"
row "resources/jpg/FIRE.jpg" "drawn by scripts/resources/photos.sh" \
  "Tessaryn Puzzle developers" "same as the program" \
  "procedural flames (ImageMagick noise, displacement and a fire colour map) on black"

# --- TESSARYN.jpg: the title logo above the fire -----------------------------
# Warm metal letters with a soft ember glow. Chroma is kept at full resolution
# and the outer 8 px band is forced black, so the JPEG blocks touching the
# edges stay exactly #000000 and the logo sits on the black screen seamlessly.
t=$tmp/title
mkdir -p "$t"
convert -size 250x75 xc:black -fill white -gravity north \
  -font "$font_title" -pointsize 40 -annotate +0+5 'Tessaryn' \
  -pointsize 13 -kerning 6 -annotate +3+50 'PUZZLE' "$t/mask.png"
convert xc:'#fff6d8' xc:'#ffe08a' xc:'#f4b042' xc:'#c8701c' xc:'#ffd070' \
  xc:'#e89030' xc:'#a0481a' xc:'#ffc060' xc:'#d07a28' xc:'#8a3a12' \
  -append -filter triangle -resize 250x75! "$t/metal.png"
convert "$t/mask.png" -blur 0x4 -level 0,70% +level-colors black,'#b83c08' "$t/glow.png"
convert "$t/mask.png" -blur 0x1.2 -shade 120x35 -auto-level -level 20%,100% "$t/bevel.png"
convert -size 250x75 xc: -fx 'dd=min(min(i,w-1-i),min(j,h-1-j)); min(1,max(0,(dd-7)/4))' "$t/keep.png"
convert "$t/metal.png" "$t/bevel.png" -compose overlay -composite \
  "$t/mask.png" -compose multiply -composite "$t/letters.png"
convert "$t/glow.png" "$t/letters.png" -compose screen -composite \
  "$t/keep.png" -compose multiply -composite \
  -strip -interlace none -sampling-factor 1x1 -quality 90 -type TrueColor "$jpg/TESSARYN.jpg"
row "resources/jpg/TESSARYN.jpg" "drawn by scripts/resources/photos.sh; $font_credit (LinLibertine_RB.otf)" \
  "Tessaryn Puzzle developers (lettering: Philipp H. Poll's font)" "same as the program; font GPL-2+ with Font exception / OFL-1.1" \
  "title set in Linux Libertine Bold, metal gradient, bevel and glow, on pure black"
