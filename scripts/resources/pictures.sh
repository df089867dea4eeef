#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The small pictures: the two hand cursors, the program icon, the menu button
# glyphs, the trophy of the congratulations dialog and the pictures of the
# information dialog (program symbol, banner, partner badges, a photo).
# Usage: pictures.sh WORKDIR CREDITS_ROWS_FILE
# Most of it is drawn here as SVG (rendered by rsvg-convert) and finished with
# ImageMagick; the exit glyph comes from tango-icon-theme and the partner photo
# from mate-backgrounds, both fetched with apt-get download, never installed.
# Same input, same bytes: no randomness, no timestamps, -strip.
set -euo pipefail

# The background music's project, named on its badge; change it here only.
MUSIC_PROJECT="The Battle for Wesnoth"

work=$(cd "$1" && pwd)
rows=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$here/../../resources"
res=$(cd "$here/../../resources" && pwd)
mkdir -p "$res/cursor" "$res/icon" "$res/pictures"

# The tools and fonts drawn with; install what a fresh machine lacks.
need=()
command -v rsvg-convert >/dev/null 2>&1 || need+=(librsvg2-bin)
[ -e /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf ] || need+=(fonts-dejavu-core)
[ -e /usr/share/fonts/opentype/urw-base35/P052-Bold.otf ] || need+=(fonts-urw-base35)
if [ ${#need[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get install -y -qq "${need[@]}" >/dev/null
fi

export MAGICK_THREAD_LIMIT=1 OMP_NUM_THREADS=1
font_title=/usr/share/fonts/opentype/urw-base35/P052-Bold.otf

# No date or time chunks, no text chunks: the bytes depend on the pixels only.
png_opts=(-strip -define "png:exclude-chunks=date,time" +set date:create +set date:modify)
jpeg_opts=(-strip -interlace none -sampling-factor 4:2:0 -quality 92 -type TrueColor)

row() { printf '| %s | %s | %s | %s | %s |\n' "$@" >>"$rows"; }
drawn() { row "$1" "—" "Tessaryn Puzzle developers" "same as the program" "$2"; }

src=$work/x
mkdir -p "$src"
fetch() {
  local pkg=$1
  [ -d "$src/$pkg" ] && return 0
  (cd "$work" && apt-get download -qq "$pkg" 2>/dev/null) ||
    (cd "$work" && apt-get download "$pkg")
  dpkg-deb -x "$work/${pkg}"_*.deb "$src/$pkg"
}

svg() { rsvg-convert -w "$2" -h "$3" "$1" -o "$4"; }

# A menu glyph: rendered with alpha, laid on white (the key colour the button
# leaves out) and made opaque. Pixels that are part of the glyph but came out
# pure white would vanish with the key, so they get nudged to #FEFEFE.
glyph() { # in.png out.png
  convert "$1" -background white -alpha remove -alpha off "$work/flat.png"
  # the top-left pixel names the key, so it must be white even where the
  # glyph reaches into the corner (Tango's door does, half transparent)
  convert "$work/flat.png" \( "$1" -alpha extract \) \
    -fx 'v>0.25 && u.r==1 && u.g==1 && u.b==1 ? 254/255 : u' \
    -fill white -draw 'point 0,0' \
    -alpha off -define png:color-type=2 -depth 8 "${png_opts[@]}" "$2"
}

# --- tile pieces shared by the icon, the symbol and the banner -------------
# A face-down tile at x,y of size t (pixels): the grey-blue back of the game
# with a camera pressed into it.
tile_back() { # x y t
  local x=$1 y=$2 t=$3
  awk -v x="$x" -v y="$y" -v t="$t" 'BEGIN {
    r = (t >= 20) ? t * 0.09 : (t >= 12 ? 1.5 : 1)
    printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%g\" fill=\"url(#back)\"/>\n", x, y, t, t, r
    if (t >= 12) {
      # a lighter rim at the top, a darker one at the bottom: a slight bevel
      w = (t >= 40) ? t / 40 : 1
      printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%g\" fill=\"none\" stroke=\"#4E6572\" stroke-width=\"%g\"/>\n", x + w/2, y + w/2, t - w, t - w, r - w/2, w
      printf "<path d=\"M%g %gH%g\" stroke=\"#A3B7C2\" stroke-width=\"%g\" stroke-linecap=\"round\"/>\n", x + r, y + w * 1.5, x + t - r, w
      # camera: body, viewfinder hump, lens ring, lens
      cw = t * 0.56; ch = t * 0.36; cx = x + t / 2; cy = y + t * 0.55
      printf "<path d=\"M%g %gh%gl%g %gh%gl%g %gz\" fill=\"#566E7B\"/>\n", cx - cw*0.18, cy - ch/2, cw*0.36, cw*0.08, -ch*0.28, -cw*0.52, cw*0.08, ch*0.28
      printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%g\" fill=\"#566E7B\"/>\n", cx - cw/2, cy - ch/2, cw, ch, ch * 0.18
      printf "<circle cx=\"%g\" cy=\"%g\" r=\"%g\" fill=\"#92A8B5\"/>\n", cx, cy + ch*0.02, ch * 0.38
      printf "<circle cx=\"%g\" cy=\"%g\" r=\"%g\" fill=\"#4A606C\"/>\n", cx, cy + ch*0.02, ch * 0.24
      printf "<circle cx=\"%g\" cy=\"%g\" r=\"%g\" fill=\"#C3D2DA\" opacity=\"0.8\"/>\n", cx - ch*0.09, cy - ch*0.07, ch * 0.07
      printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" fill=\"#A9BCC7\"/>\n", cx + cw*0.27, cy - ch*0.32, cw*0.12, ch*0.13
    } else {
      # 16 px: a two-tone hint of the camera, pixel aligned
      printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"1\" fill=\"#9AAFBB\"/>\n", x + 1, y, t - 2
      printf "<rect x=\"%g\" y=\"%g\" width=\"5\" height=\"3\" fill=\"#536A77\"/>\n", x + 1, y + 3
      printf "<rect x=\"%g\" y=\"%g\" width=\"2\" height=\"1\" fill=\"#536A77\"/>\n", x + 2, y + 2
      printf "<rect x=\"%g\" y=\"%g\" width=\"1\" height=\"1\" fill=\"#A9BCC7\"/>\n", x + 3, y + 4
    }
  }'
}

# A face-up tile: a small landscape photo. $4 picks the light: day, dusk, night.
tile_photo() { # x y t [day|dusk|night]
  local x=$1 y=$2 t=$3 mood=${4:-day}
  awk -v x="$x" -v y="$y" -v t="$t" -v mood="$mood" 'BEGIN {
    r = (t >= 20) ? t * 0.09 : (t >= 12 ? 1.5 : 1)
    sky = "sky_" mood; far = (mood == "night") ? "#31475A" : (mood == "dusk" ? "#7A5A6E" : "#7FA3B8")
    hill = (mood == "night") ? "#1E3A2C" : (mood == "dusk" ? "#4D5A2A" : "#6FA23A")
    near = (mood == "night") ? "#142A1E" : (mood == "dusk" ? "#3A4A1C" : "#4E8A1E")
    sun = (mood == "night") ? "#F2F0D8" : (mood == "dusk" ? "#FFB347" : "#FCE94F")
    printf "<clipPath id=\"c%g_%g\"><rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%g\"/></clipPath>\n", x, y, x, y, t, t, r
    printf "<g clip-path=\"url(#c%g_%g)\">\n", x, y
    if (t < 12) {
      # 16 px: rows of flat colour, nothing that could blur
      printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" fill=\"#4F8FD0\"/>\n", x, y, t, 2
      printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" fill=\"#8CC0EC\"/>\n", x, y + 2, t, 2
      printf "<rect x=\"%g\" y=\"%g\" width=\"2\" height=\"2\" fill=\"#FCE94F\"/>\n", x + t - 3, y + 1
      printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"1\" fill=\"#73A83C\"/>\n", x + 1, y + 4, 4
      printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"1\" fill=\"#73A83C\"/>\n", x, y + 5, t
      printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"1\" fill=\"#4A8419\"/>\n", x, y + 6, t
      printf "<rect x=\"%g\" y=\"%g\" width=\"3\" height=\"1\" fill=\"#4A8419\"/>\n", x + 4, y + 5
    } else {
      printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" fill=\"url(#%s)\"/>\n", x, y, t, t, sky
      sx = x + t * 0.70; sy = y + t * ((mood == "dusk") ? 0.52 : 0.26)
      printf "<circle cx=\"%g\" cy=\"%g\" r=\"%g\" fill=\"%s\" opacity=\"0.35\"/>\n", sx, sy, t * 0.16, sun
      printf "<circle cx=\"%g\" cy=\"%g\" r=\"%g\" fill=\"%s\"/>\n", sx, sy, t * 0.10, sun
      if (mood == "night") {
        printf "<circle cx=\"%g\" cy=\"%g\" r=\"%g\" fill=\"#23324A\"/>\n", sx + t*0.045, sy - t*0.03, t * 0.085
        for (i = 0; i < 5; i++) printf "<circle cx=\"%g\" cy=\"%g\" r=\"%g\" fill=\"#E8EEF8\"/>\n", x + t * (0.14 + 0.19 * i), y + t * (0.12 + 0.09 * ((i * 7) % 3)), t * 0.018
      }
      # far mountains with a snow cap, then two rolling hills
      printf "<path d=\"M%g %gL%g %gL%g %gL%g %gL%g %gL%g %gZ\" fill=\"%s\"/>\n", x, y + t*0.62, x + t*0.22, y + t*0.36, x + t*0.40, y + t*0.54, x + t*0.55, y + t*0.42, x + t, y + t*0.64, x, y + t*0.64, far
      if (mood != "night" && t >= 20) printf "<path d=\"M%g %gL%g %gL%g %gL%g %gZ\" fill=\"#F2F4F6\" opacity=\"0.9\"/>\n", x + t*0.16, y + t*0.43, x + t*0.22, y + t*0.36, x + t*0.28, y + t*0.43, x + t*0.22, y + t*0.41
      printf "<path d=\"M%g %gC%g %g %g %g %g %gV%gH%gZ\" fill=\"%s\"/>\n", x, y + t*0.66, x + t*0.35, y + t*0.52, x + t*0.65, y + t*0.60, x + t, y + t*0.64, y + t, x, hill
      printf "<path d=\"M%g %gC%g %g %g %g %g %gV%gH%gZ\" fill=\"%s\"/>\n", x, y + t*0.86, x + t*0.3, y + t*0.74, x + t*0.6, y + t*0.70, x + t, y + t*0.78, y + t, x, near
      if (mood == "day" && t >= 20) {
        # a lake with a glint, where there is room for one
        printf "<path d=\"M%g %gC%g %g %g %g %g %gC%g %g %g %g %g %gZ\" fill=\"#5E9ED6\"/>\n", x + t*0.08, y + t*0.80, x + t*0.20, y + t*0.75, x + t*0.45, y + t*0.76, x + t*0.52, y + t*0.80, x + t*0.45, y + t*0.84, x + t*0.20, y + t*0.85, x + t*0.08, y + t*0.80
        printf "<path d=\"M%g %gH%g\" stroke=\"#CFE6F7\" stroke-width=\"%g\" stroke-linecap=\"round\"/>\n", x + t*0.20, y + t*0.795, x + t*0.34, t * 0.02
      }
    }
    printf "</g>\n"
    if (t >= 12) {
      # a pale print border, thinner on small tiles where the photo comes first
      w = (t >= 40) ? t / 40 : 1; bw = (t >= 20) ? 1.5 * w : w
      printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%g\" fill=\"none\" stroke=\"#ECE8E6\" stroke-width=\"%g\"/>\n", x + w + bw/2, y + w + bw/2, t - 2*w - bw, t - 2*w - bw, r - w - bw/2, bw
      printf "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%g\" fill=\"none\" stroke=\"#2A3A44\" stroke-opacity=\"0.55\" stroke-width=\"%g\"/>\n", x + w/2, y + w/2, t - w, t - w, r - w/2, w
    }
  }'
}

tile_defs() {
  cat <<'EOF'
<linearGradient id="back" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#7D95A3"/><stop offset="1" stop-color="#6B8290"/></linearGradient>
<linearGradient id="sky_day" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#3F82C8"/><stop offset="0.6" stop-color="#A9D1F0"/></linearGradient>
<linearGradient id="sky_dusk" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#3B3A6A"/><stop offset="0.35" stop-color="#B15725"/><stop offset="0.62" stop-color="#F2B25C"/></linearGradient>
<linearGradient id="sky_night" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#0F1A2E"/><stop offset="0.65" stop-color="#2C4468"/></linearGradient>
<filter id="shadow" x="-20%" y="-20%" width="140%" height="140%">
  <feGaussianBlur in="SourceAlpha" stdDeviation="SHADOW_BLUR"/>
  <feOffset dx="0" dy="SHADOW_DY" result="b"/>
  <feComponentTransfer><feFuncA type="linear" slope="0.45"/></feComponentTransfer>
  <feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge>
</filter>
EOF
}

# The program icon at size S: 2 × 2 tiles, the top-left one turned over.
# Margin, gap and tile size are whole pixels for every size so the edges stay
# sharp; the 16 px one draws its own pixel-aligned details.
icon_svg() { # S m g t shadow(0/1)
  local S=$1 m=$2 g=$3 t=$4 sh=$5 blur dy
  blur=$(awk -v t="$t" 'BEGIN{printf "%g", t/40}')
  dy=$(awk -v t="$t" 'BEGIN{printf "%g", t/50}')
  local a=$m b=$((m + t + g))
  echo "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"$S\" height=\"$S\" viewBox=\"0 0 $S $S\"><defs>"
  tile_defs | sed -e "s/SHADOW_BLUR/$blur/" -e "s/SHADOW_DY/$dy/"
  echo "</defs>"
  if [ "$sh" = 1 ]; then echo '<g filter="url(#shadow)">'; else echo '<g>'; fi
  tile_photo "$a" "$a" "$t" day
  tile_back "$b" "$a" "$t"
  tile_back "$a" "$b" "$t"
  tile_back "$b" "$b" "$t"
  echo '</g></svg>'
}

icon_sizes=("16 0 2 7" "32 1 2 14" "48 2 2 21" "64 2 4 28" "128 4 8 56" "256 8 16 112")
for size_row in "${icon_sizes[@]}"; do
  read -r S m g t <<<"$size_row"
  sh=0; [ "$S" -ge 48 ] && sh=1
  icon_svg "$S" "$m" "$g" "$t" "$sh" >"$work/icon_$S.svg"
  svg "$work/icon_$S.svg" "$S" "$S" "$work/icon_$S.png"
  convert "$work/icon_$S.png" -define png:color-type=6 -depth 8 "${png_opts[@]}" "$res/icon/MAINICON_$S.png"
  drawn "resources/icon/MAINICON_$S.png" "drawn as SVG for this size (2 × 2 photo tiles, one face up), rendered with rsvg-convert"
done
# The scalable icon of the desktop's theme is the 256 px drawing itself.
icon_svg 256 8 16 112 1 >"$res/icon/MAINICON.svg"
drawn "resources/icon/MAINICON.svg" "the 256 px icon drawing as SVG, installed as the theme's scalable icon"

# The program symbol of the information dialog: the icon without its soft
# shadow (a key colour knows no half transparency); edge pixels are blended
# with the middle of the dialog gradient, the rest is the #FF00FF key.
icon_svg 48 2 2 21 0 >"$work/symbol.svg"
svg "$work/symbol.svg" 48 48 "$work/symbol.png"
convert -size 48x48 xc:'#9A8D86' "$work/symbol.png" -compose over -composite "$work/sym_on_mid.png"
convert "$work/symbol.png" -alpha extract -threshold 12% "$work/sym_mask.png"
convert -size 48x48 xc:'#FF00FF' "$work/sym_on_mid.png" "$work/sym_mask.png" -compose over -composite \
  -alpha off -type TrueColor -compress none -strip BMP3:"$res/pictures/info_symbol.bmp"
drawn "resources/pictures/info_symbol.bmp" "the 48 px icon drawing without shadow on a #FF00FF key, 24-bit BMP"

# --- menu glyphs ------------------------------------------------------------
# Drawn at their own pixel size; no pure white inside a glyph (glyph() checks).
cat >"$work/menu_play.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">
<defs>
  <linearGradient id="film" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#55524F"/><stop offset="0.5" stop-color="#2E2B29"/><stop offset="1" stop-color="#1C1A19"/></linearGradient>
  <linearGradient id="frame" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#405665"/><stop offset="1" stop-color="#2A3A44"/></linearGradient>
  <linearGradient id="go" x1="0" y1="0" x2="0.6" y2="1">
    <stop offset="0" stop-color="#B4F06A"/><stop offset="0.45" stop-color="#73D216"/><stop offset="1" stop-color="#3E8A06"/></linearGradient>
</defs>
<rect x="1.5" y="2.5" width="21" height="19" rx="1.5" fill="url(#film)" stroke="#141211" stroke-width="1"/>
<g fill="#D9D3CD">
  <rect x="3" y="3.8" width="2" height="1.6" rx="0.4"/><rect x="7" y="3.8" width="2" height="1.6" rx="0.4"/>
  <rect x="11" y="3.8" width="2" height="1.6" rx="0.4"/><rect x="15" y="3.8" width="2" height="1.6" rx="0.4"/>
  <rect x="19" y="3.8" width="2" height="1.6" rx="0.4"/>
  <rect x="3" y="18.6" width="2" height="1.6" rx="0.4"/><rect x="7" y="18.6" width="2" height="1.6" rx="0.4"/>
  <rect x="11" y="18.6" width="2" height="1.6" rx="0.4"/><rect x="15" y="18.6" width="2" height="1.6" rx="0.4"/>
  <rect x="19" y="18.6" width="2" height="1.6" rx="0.4"/>
</g>
<rect x="3" y="6.5" width="18" height="11" fill="url(#frame)"/>
<path d="M3 6.5H21" stroke="#16100E" stroke-width="0.8"/>
<path d="M7.9 6.8L18.3 12L7.9 17.2Z" fill="url(#go)" stroke="#2B6104" stroke-width="1" stroke-linejoin="round"/>
<path d="M8.9 8.6L14.8 11.5" stroke="#E4FBC4" stroke-opacity="0.75" stroke-width="0.8" stroke-linecap="round"/>
</svg>
SVG

cat >"$work/menu_abort.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">
<defs>
  <linearGradient id="red" x1="0" y1="0" x2="0.3" y2="1">
    <stop offset="0" stop-color="#FF6B5E"/><stop offset="0.45" stop-color="#E0201B"/><stop offset="1" stop-color="#8E0A05"/></linearGradient>
  <linearGradient id="shine" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#FFE2DC" stop-opacity="0.7"/><stop offset="0.5" stop-color="#FFE2DC" stop-opacity="0"/></linearGradient>
  <clipPath id="top"><rect x="0" y="0" width="24" height="11.6"/></clipPath>
</defs>
<g transform="rotate(45 12 12)">
  <path id="x" d="M9.3 2.6H14.7V9.3H21.4V14.7H14.7V21.4H9.3V14.7H2.6V9.3H9.3Z"
        fill="url(#red)" stroke="#6E0703" stroke-width="1" stroke-linejoin="round"/>
</g>
<g transform="rotate(45 12 12)" clip-path="url(#top)">
  <path d="M10 3.5H14V10H20.5V14H14V20.5H10V14H3.5V10H10Z" fill="url(#shine)"/>
</g>
<path d="M6.2 5.2L9.6 8.6M14.4 8.6L17.8 5.2" stroke="#FFB3A8" stroke-opacity="0.8" stroke-width="0.8" stroke-linecap="round"/>
</svg>
SVG

cat >"$work/menu_info.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">
<defs>
  <linearGradient id="blue" x1="0" y1="0" x2="0.4" y2="1">
    <stop offset="0" stop-color="#7DA8DB"/><stop offset="0.4" stop-color="#3465A4"/><stop offset="1" stop-color="#1B3E75"/></linearGradient>
</defs>
<g fill="url(#blue)" stroke="#142F5A" stroke-width="0.8" stroke-linejoin="round">
  <circle cx="8.2" cy="3" r="2.1"/>
  <path d="M5 6.4H10.2V12.6H11.6V14.7H4.6V12.6H6.1V8.5H5Z"/>
</g>
<path d="M7.3 2.5A1 1 0 0 1 8.4 1.8" stroke="#D6E6F8" stroke-width="0.7" stroke-linecap="round" fill="none"/>
<path d="M6.9 7.5V12.2" stroke="#A9C6EA" stroke-opacity="0.7" stroke-width="0.7" stroke-linecap="round"/>
</svg>
SVG

cat >"$work/menu_help.svg" <<SVG
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">
<defs>
  <linearGradient id="navy" x1="0" y1="0" x2="0.3" y2="1">
    <stop offset="0" stop-color="#4F7DC0"/><stop offset="0.45" stop-color="#204A87"/><stop offset="1" stop-color="#0F2650"/></linearGradient>
</defs>
<text x="8" y="14.6" text-anchor="middle" font-family="DejaVu Sans" font-weight="bold" font-size="18"
      fill="url(#navy)" stroke="#0B1C3C" stroke-width="0.6" stroke-linejoin="round">?</text>
</svg>
SVG

cat >"$work/menu_setup.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">
<defs>
  <linearGradient id="steel" gradientUnits="userSpaceOnUse" x1="5" y1="0" x2="11" y2="0">
    <stop offset="0" stop-color="#7D807A"/><stop offset="0.35" stop-color="#E4E6E1"/><stop offset="0.6" stop-color="#A9ACA5"/><stop offset="1" stop-color="#575A54"/></linearGradient>
</defs>
<g transform="rotate(45 8 8) translate(8 8.1) scale(1.14) translate(-8 -8.4)">
  <path d="M6.5 0.577V4.3A1.5 1.5 0 0 0 9.5 4.3V0.577A4.2 4.2 0 0 1 9.3 8.494V15A1.3 1.3 0 0 1 6.7 15V8.494A4.2 4.2 0 0 1 6.5 0.577Z"
        fill="url(#steel)" stroke="#33352F" stroke-width="0.9" stroke-linejoin="round"/>
  <path d="M7.4 9.5V14.6" stroke="#FAFAF8" stroke-opacity="0.7" stroke-width="0.6" stroke-linecap="round"/>
</g>
</svg>
SVG

star_pts=$(awk 'BEGIN { pi = atan2(0, -1)
  for (i = 0; i < 10; i++) { r = (i % 2) ? 3.2 : 7.6; a = -pi / 2 + i * pi / 5
    printf "%s%.3f %.3f", (i ? "L" : "M"), 8 + r * cos(a), 8.7 + r * sin(a) } }')
cat >"$work/menu_highscore.svg" <<SVG
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">
<defs>
  <radialGradient id="gold" cx="0.42" cy="0.38" r="0.62">
    <stop offset="0" stop-color="#FFF6B0"/><stop offset="0.35" stop-color="#FCE94F"/><stop offset="0.75" stop-color="#E5B800"/><stop offset="1" stop-color="#B07F00"/></radialGradient>
</defs>
<path d="${star_pts}Z" fill="url(#gold)" stroke="#8F5902" stroke-width="0.9" stroke-linejoin="round"/>
</svg>
SVG

for g in play abort; do
  svg "$work/menu_$g.svg" 24 24 "$work/menu_$g.png"
done
for g in info help setup highscore; do
  svg "$work/menu_$g.svg" 16 16 "$work/menu_$g.png"
done
for g in play abort info help setup highscore; do
  glyph "$work/menu_$g.png" "$res/pictures/menu_$g.png"
done
drawn "resources/pictures/menu_play.png" "drawn as SVG (film strip, green play triangle), on white"
drawn "resources/pictures/menu_abort.png" "drawn as SVG (shaded red cross), on white"
drawn "resources/pictures/menu_info.png" "drawn as SVG (blue letter i), on white"
drawn "resources/pictures/menu_help.png" "drawn as SVG (dark blue question mark, DejaVu Sans Bold glyph from fonts-dejavu-core), on white"
drawn "resources/pictures/menu_setup.png" "drawn as SVG (steel spanner), on white"
drawn "resources/pictures/menu_highscore.png" "drawn as SVG (gold star), on white"

# The exit glyph: Tango's door with its red arrow, as drawn for 16 px.
fetch tango-icon-theme
glyph "$src/tango-icon-theme/usr/share/icons/Tango/16x16/actions/system-log-out.png" "$res/pictures/menu_exit.png"
row "resources/pictures/menu_exit.png" "tango-icon-theme: usr/share/icons/Tango/16x16/actions/system-log-out.png" \
  "Tango Desktop Project (Ulisse Perusin, Steven Garrity, Lapo Calamandrei, Ryan Collier, Rodney Dawes, Andreas Nilsson, Tuomas Kuosmanen, Garrett LeSage, Jakub Steiner)" \
  "public domain" "laid on white, alpha removed"

# --- cursors ----------------------------------------------------------------
# A white hand with a black outline, tilted so the index fingertip leads at the
# top-left where the hotspot is. Each part is drawn twice, a wide black stroke
# under a narrow white one, so outlines only show where the hand ends; fingers
# that must stay apart (the fist) are outlined one by one.
hand_svg() { # open|closed shadow(0/1)
  local kind=$1 sh=$2
  cat <<SVG
<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
<defs>
  <linearGradient id="skin" gradientUnits="userSpaceOnUse" x1="4" y1="4" x2="22" y2="30">
    <stop offset="0" stop-color="#FFFFFF"/><stop offset="0.6" stop-color="#F6F6F6"/><stop offset="1" stop-color="#D6D6D6"/></linearGradient>
  <filter id="drop" x="-30%" y="-30%" width="160%" height="160%">
    <feGaussianBlur in="SourceAlpha" stdDeviation="0.7"/>
    <feOffset dx="1" dy="1.2"/>
    <feComponentTransfer><feFuncA type="linear" slope="0.4"/></feComponentTransfer>
    <feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge>
  </filter>
</defs>
<g transform="translate(24 8) rotate(-27) translate(-12.6 0)"$([ "$sh" = 1 ] && echo ' filter="url(#drop)"')>
SVG
  if [ "$kind" = open ]; then
    # thumb, index, middle, ring, little: from, to, width
    local fingers=("6.5 21 1.9 14.6 4.2" "9 15 7.3 4.4 3.8" "12.6 14 12.6 2.2 3.9" "16.2 15 17.8 4.3 3.7" "19 17.5 22 9.2 3.3")
    local palm="M7.2 15C7 20 7.5 24 9.5 27.5L10.5 29.5H18.5L19.5 27C21 23.5 21.2 19.5 20.6 15.5Z"
    echo '<g stroke="#000000" fill="#000000" stroke-linecap="round" stroke-linejoin="round">'
    for f in "${fingers[@]}"; do
      read -r x1 y1 x2 y2 w <<<"$f"
      echo "<path d=\"M$x1 ${y1}L$x2 $y2\" stroke-width=\"$(awk -v w="$w" 'BEGIN{print w + 2.3}')\"/>"
    done
    echo "<path d=\"$palm\" stroke-width=\"2.3\"/></g>"
    echo '<g stroke="url(#skin)" fill="url(#skin)" stroke-linecap="round">'
    for f in "${fingers[@]}"; do
      read -r x1 y1 x2 y2 w <<<"$f"
      echo "<path d=\"M$x1 ${y1}L$x2 $y2\" stroke-width=\"$w\"/>"
    done
    echo "<path d=\"$palm\" stroke-width=\"0\"/></g>"
    # creases where the fingers part
    cat <<'SVG'
<g stroke="#8C8C8C" stroke-width="0.6" stroke-linecap="round" fill="none">
  <path d="M10.8 12.2L10.9 14.6M14.5 12.3L14.4 14.8M17.9 13.6L17.6 15.9"/>
</g>
SVG
  else
    local palm="M6.2 12.5C6 18.5 6.6 23 8.6 26.5L9.6 28.5H18.5L19.6 26C21.6 22 22.1 17 21.6 12.5Z"
    # the four curled fingers as knuckle bumps along the top, parted by short
    # dark lines; the thumb lies folded over the side with its own outline
    local x
    echo '<g stroke="#000000" stroke-linecap="round" stroke-linejoin="round">'
    for x in 8.3 12.0 15.7 19.4; do echo "<path d=\"M$x 9.4V13\" stroke-width=\"5.6\"/>"; done
    echo "<path d=\"$palm\" fill=\"#000000\" stroke-width=\"2.3\"/></g>"
    echo '<g stroke="url(#skin)" stroke-linecap="round">'
    for x in 8.3 12.0 15.7 19.4; do echo "<path d=\"M$x 9.4V13\" stroke-width=\"3.3\"/>"; done
    echo "<path d=\"$palm\" fill=\"url(#skin)\" stroke-width=\"0\"/></g>"
    cat <<'SVG'
<path d="M10.15 8.9V14M13.85 8.9V14.2M17.55 8.9V14" stroke="#000000" stroke-width="0.85" stroke-linecap="round"/>
<path d="M8.3 14.6V15.6M12 14.8V15.8M15.7 14.8V15.8" stroke="#9A9A9A" stroke-width="0.6" stroke-linecap="round"/>
<path d="M8.4 22.6L4.1 16.8" stroke="#000000" stroke-width="6.3" stroke-linecap="round"/>
<path d="M8.4 22.6L4.1 16.8" stroke="url(#skin)" stroke-width="4" stroke-linecap="round"/>
SVG
  fi
  echo '</g></svg>'
}

for kind in open closed; do
  n=101; [ "$kind" = closed ] && n=102
  hand_svg "$kind" 0 >"$work/hand_$kind.svg"
  hand_svg "$kind" 1 >"$work/hand_${kind}_sh.svg"
  svg "$work/hand_$kind.svg" 48 48 "$work/hand_$kind.png"
  svg "$work/hand_${kind}_sh.svg" 48 48 "$work/hand_${kind}_sh.png"
  # the hand itself (not its shadow) starts at (0,0), the hotspot
  box=$(convert "$work/hand_$kind.png" -alpha extract -threshold 40% -format '%@' info:)
  read -r bw bh bx by <<<"$(echo "$box" | tr 'x+' '  ')"
  if [ "$bw" -gt 32 ] || [ "$bh" -gt 32 ]; then echo "cursor $kind is ${bw}x$bh, too big" >&2; exit 1; fi
  convert "$work/hand_${kind}_sh.png" -crop "32x32+$bx+$by" +repage -background none -extent 32x32 \
    -define png:color-type=6 -depth 8 "${png_opts[@]}" "$res/cursor/CUR_$n.png"
done
drawn "resources/cursor/CUR_101.png" "drawn as SVG (open hand, hotspot 0,0), rendered with rsvg-convert"
drawn "resources/cursor/CUR_102.png" "drawn as SVG (grabbing hand, hotspot 0,0), rendered with rsvg-convert"

# --- trophy -----------------------------------------------------------------
# The dialog is 247 px high with its gradient over the whole height; the
# picture covers rows 15..229 of it, so its background is that very slice.
convert -size 75x247 gradient:'#C8BDB7-#6C5E55' -crop 75x215+0+15 +repage "$work/trophy_bg.png"
cat >"$work/trophy.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="75" height="215" viewBox="0 0 75 215">
<defs>
  <linearGradient id="gold" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#6B4300"/><stop offset="0.16" stop-color="#B8860B"/>
    <stop offset="0.34" stop-color="#FBE27A"/><stop offset="0.42" stop-color="#FFF4C2"/>
    <stop offset="0.52" stop-color="#F0C93A"/><stop offset="0.78" stop-color="#B88A10"/>
    <stop offset="1" stop-color="#5E3B00"/></linearGradient>
  <linearGradient id="goldv" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#FFF0A8"/><stop offset="1" stop-color="#9C6E06"/></linearGradient>
  <linearGradient id="inside" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#6B4A08"/><stop offset="1" stop-color="#C9981E"/></linearGradient>
  <linearGradient id="wood" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#1A1413"/><stop offset="0.3" stop-color="#4A3C38"/>
    <stop offset="0.45" stop-color="#3B302E"/><stop offset="1" stop-color="#141010"/></linearGradient>
  <linearGradient id="woodtop" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#6A5852"/><stop offset="1" stop-color="#3B302E"/></linearGradient>
  <linearGradient id="plate" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#FBE27A"/><stop offset="0.5" stop-color="#D9A92A"/><stop offset="1" stop-color="#8F6206"/></linearGradient>
  <radialGradient id="glow" cx="0.5" cy="0.5" r="0.5">
    <stop offset="0" stop-color="#FFFBE0" stop-opacity="0.95"/><stop offset="1" stop-color="#FFFBE0" stop-opacity="0"/></radialGradient>
  <filter id="soft" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="2.2"/></filter>
  <filter id="blur1"><feGaussianBlur stdDeviation="0.6"/></filter>
</defs>
<!-- shadow on the floor -->
<ellipse cx="39" cy="205" rx="31" ry="4.5" fill="#000000" opacity="0.35" filter="url(#soft)"/>
<!-- base: a dark block with a bevelled top, a gold plate with a star -->
<path d="M12 196H63L65 203H10Z" fill="#1C1616"/>
<path d="M10 203H65V206H10Z" fill="#0E0B0B"/>
<rect x="16" y="150" width="43" height="47" fill="url(#wood)"/>
<path d="M13 144H62L59 151H16Z" fill="url(#woodtop)"/>
<path d="M13 144H62" stroke="#8A7670" stroke-width="1"/>
<path d="M16.5 151V196" stroke="#6A5852" stroke-width="0.8" opacity="0.7"/>
<rect x="25" y="163" width="25" height="20" rx="1.5" fill="url(#plate)" stroke="#5E3B00" stroke-width="0.8"/>
<rect x="26.5" y="164.5" width="22" height="17" rx="1" fill="none" stroke="#FFF0A8" stroke-width="0.6" opacity="0.6"/>
<path d="M37.5 166.5L39.1 170.9L43.8 171L40.1 173.9L41.4 178.4L37.5 175.8L33.6 178.4L34.9 173.9L31.2 171L35.9 170.9Z"
      fill="#8F6206" stroke="#FFE88A" stroke-width="0.5" stroke-linejoin="round"/>
<!-- foot, stem and knob -->
<path d="M22 143C23 136 31 133 34 127H41C44 133 52 136 53 143Z" fill="url(#gold)" stroke="#5E3B00" stroke-width="0.8"/>
<ellipse cx="37.5" cy="143" rx="15.5" ry="2.2" fill="url(#gold)" stroke="#5E3B00" stroke-width="0.8"/>
<rect x="34" y="100" width="7" height="28" fill="url(#gold)"/>
<path d="M34 100V128M41 100V128" stroke="#5E3B00" stroke-width="0.8"/>
<ellipse cx="37.5" cy="113" rx="7" ry="4" fill="url(#gold)" stroke="#5E3B00" stroke-width="0.8"/>
<ellipse cx="37.5" cy="101" rx="5.5" ry="2.2" fill="url(#gold)" stroke="#5E3B00" stroke-width="0.8"/>
<!-- handles: a dark edge under a gold ribbon -->
<g fill="none" stroke-linecap="round">
  <path d="M14 28C1 24 -1 55 19 64" stroke="#5E3B00" stroke-width="6"/>
  <path d="M61 28C74 24 76 55 56 64" stroke="#5E3B00" stroke-width="6"/>
  <path d="M14 28C1 24 -1 55 19 64" stroke="url(#goldv)" stroke-width="4"/>
  <path d="M61 28C74 24 76 55 56 64" stroke="url(#goldv)" stroke-width="4"/>
  <path d="M9.5 30C5 34 4.5 44 8 51" stroke="#FFF6C8" stroke-width="1.1" opacity="0.85"/>
  <path d="M66 31C69.5 36 69.5 45 66.5 51" stroke="#FFF6C8" stroke-width="0.9" opacity="0.5"/>
</g>
<!-- the bowl -->
<path d="M11 18H64C64 62 56 88 37.5 99C19 88 11 62 11 18Z" fill="url(#gold)" stroke="#5E3B00" stroke-width="0.9"/>
<path d="M13 30C30 36 45 36 62 30" stroke="#8F6206" stroke-width="1" fill="none" opacity="0.7"/>
<path d="M13 32C30 38 45 38 62 32" stroke="#FFF0A8" stroke-width="0.8" fill="none" opacity="0.6"/>
<ellipse cx="37.5" cy="18" rx="26.5" ry="4.5" fill="url(#inside)" stroke="#5E3B00" stroke-width="0.9"/>
<path d="M12.5 18.5C20 22.5 55 22.5 62.5 18.5" stroke="#FFE88A" stroke-width="0.9" fill="none"/>
<!-- highlights: a long streak down the bowl, a sparkle on the rim -->
<path d="M22 27C22 52 25 72 33 88" stroke="#FFFDF0" stroke-width="3.2" fill="none" stroke-linecap="round" opacity="0.75" filter="url(#blur1)"/>
<path d="M27 27C27.5 45 29 60 32 70" stroke="#FFFDF0" stroke-width="1.2" fill="none" stroke-linecap="round" opacity="0.55"/>
<path d="M36.2 106V120" stroke="#FFF6C8" stroke-width="1.2" opacity="0.7" stroke-linecap="round"/>
<circle cx="20" cy="20.5" r="5" fill="url(#glow)"/>
<path d="M20 14.5V26.5M14 20.5H26" stroke="#FFFDF0" stroke-width="0.7" stroke-linecap="round"/>
</svg>
SVG
svg "$work/trophy.svg" 75 215 "$work/trophy.png"
convert "$work/trophy_bg.png" "$work/trophy.png" -compose over -composite -alpha off \
  "${jpeg_opts[@]}" "$res/pictures/trophy.jpg"
drawn "resources/pictures/trophy.jpg" "drawn as SVG (gold cup on a dark base) over the dialog's gradient slice, JPEG"

# --- information dialog: banner and partner badges ---------------------------
# Names are set as plain styled text in free fonts (P052 and DejaVu); no logos.
text_defs() {
  cat <<'SVG'
  <filter id="tshadow" x="-10%" y="-30%" width="120%" height="160%">
    <feGaussianBlur in="SourceAlpha" stdDeviation="0.8"/><feOffset dx="0" dy="1" result="b"/>
    <feComponentTransfer><feFuncA type="linear" slope="0.6"/></feComponentTransfer>
    <feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge>
  </filter>
  <linearGradient id="light" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#FBF9F8"/><stop offset="1" stop-color="#C8BDB7"/></linearGradient>
SVG
}

# The program's banner: name, tagline and a row of tiles, some turned over.
{
  echo '<svg xmlns="http://www.w3.org/2000/svg" width="561" height="50" viewBox="0 0 561 50"><defs>'
  tile_defs | sed -e "s/SHADOW_BLUR/0.8/" -e "s/SHADOW_DY/1/"
  text_defs
  cat <<'SVG'
  <linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#4A3D3A"/><stop offset="0.5" stop-color="#3B302E"/><stop offset="1" stop-color="#2A211F"/></linearGradient>
  <linearGradient id="band" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#0F0F0D"/><stop offset="0.55" stop-color="#B15725"/><stop offset="1" stop-color="#0F0F0D"/></linearGradient>
  <radialGradient id="warm" cx="0.2" cy="0.3" r="0.6">
    <stop offset="0" stop-color="#B15725" stop-opacity="0.22"/><stop offset="1" stop-color="#B15725" stop-opacity="0"/></radialGradient>
</defs>
<rect width="561" height="50" fill="url(#bg)"/>
<rect width="561" height="50" fill="url(#warm)"/>
<path d="M0 0.5H561" stroke="#6A5852" stroke-width="1"/>
<rect y="47" width="561" height="3" fill="url(#band)"/>
<text x="16" y="33" font-family="P052" font-weight="bold" font-size="29" fill="url(#light)" filter="url(#tshadow)">Tessaryn Puzzle</text>
<text x="238" y="33" font-family="P052" font-style="italic" font-size="15" fill="#C8BDB7">a photo-finding game</text>
<g filter="url(#shadow)">
SVG
  tile_photo 379 8 30 day
  tile_back 415 8 30
  tile_photo 451 8 30 dusk
  tile_back 487 8 30
  tile_photo 523 8 30 night
  echo '</g></svg>'
} >"$work/banner.svg"
svg "$work/banner.svg" 561 50 "$work/banner.png"
convert "$work/banner.png" -background '#3B302E' -alpha remove -alpha off "${jpeg_opts[@]}" "$res/pictures/info_banner.jpg"
drawn "resources/pictures/info_banner.jpg" "drawn as SVG: title set in P052 Bold and Italic (fonts-urw-base35), tiles as in the icon"

badge() { # name width height svg-body
  {
    echo "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"$2\" height=\"$3\" viewBox=\"0 0 $2 $3\"><defs>"
    text_defs
    echo "$4</svg>"
  } >"$work/$1.svg"
  svg "$work/$1.svg" "$2" "$3" "$work/$1.png"
  convert "$work/$1.png" -background '#3B302E' -alpha remove -alpha off "${jpeg_opts[@]}" "$res/pictures/$1.jpg"
}

badge info_partner1 172 45 '
  <linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#5C7686"/><stop offset="0.55" stop-color="#405665"/><stop offset="1" stop-color="#2A3A44"/></linearGradient>
</defs>
<rect width="172" height="45" fill="url(#bg)"/>
<rect x="0.5" y="0.5" width="171" height="44" fill="none" stroke="#7D95A3" stroke-opacity="0.6"/>
<text x="86" y="21" text-anchor="middle" font-family="DejaVu Sans" font-weight="bold" font-size="13.5" fill="url(#light)" filter="url(#tshadow)">KDE · Lomiri · MATE</text>
<text x="86" y="37" text-anchor="middle" font-family="P052" font-style="italic" font-size="13" fill="#D5DEE3">wallpapers</text>'
drawn "resources/pictures/info_partner1.jpg" "text badge drawn as SVG (DejaVu Sans Bold, P052 Italic)"

badge info_partner2 75 45 '
  <linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#F4F1EF"/><stop offset="1" stop-color="#C8BDB7"/></linearGradient>
</defs>
<rect width="75" height="45" fill="url(#bg)"/>
<rect x="0.5" y="0.5" width="74" height="44" fill="none" stroke="#8A7B73" stroke-opacity="0.7"/>
<text x="37.5" y="25" text-anchor="middle" font-family="DejaVu Sans" font-weight="bold" font-size="16" fill="#3B302E">Debian</text>
<text x="37.5" y="37.5" text-anchor="middle" font-family="DejaVu Sans" font-size="8.5" fill="#6C5E55">packages</text>'
drawn "resources/pictures/info_partner2.jpg" "text badge drawn as SVG (DejaVu Sans), no logo"

badge info_partner3 308 45 '
  <linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#4A3D3A"/><stop offset="1" stop-color="#2A211F"/></linearGradient>
  <linearGradient id="wave" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#B15725" stop-opacity="0"/><stop offset="0.5" stop-color="#B15725"/><stop offset="1" stop-color="#B15725" stop-opacity="0"/></linearGradient>
</defs>
<rect width="308" height="45" fill="url(#bg)"/>
<rect x="0.5" y="0.5" width="307" height="44" fill="none" stroke="#6A5852" stroke-opacity="0.8"/>
<path d="M24 38C48 32 72 44 96 38S144 32 168 38S216 44 240 38S276 34 284 38" stroke="url(#wave)" stroke-width="1.2" fill="none"/>
<text x="154" y="28" text-anchor="middle" font-size="17" fill="url(#light)" filter="url(#tshadow)"><tspan font-family="DejaVu Sans" font-weight="bold">freedesktop.org</tspan><tspan dx="6" font-family="P052" font-style="italic" font-size="18">sound theme</tspan></text>'
drawn "resources/pictures/info_partner3.jpg" "text badge drawn as SVG (DejaVu Sans Bold, P052 Italic)"

# The music badge: the project's name is fitted to the width by ImageMagick,
# so any name set in MUSIC_PROJECT fits.
badge info_partner5_bg 172 80 '
  <linearGradient id="bg" x1="0" y1="0" x2="0.4" y2="1">
    <stop offset="0" stop-color="#B15725"/><stop offset="0.6" stop-color="#5E2E16"/><stop offset="1" stop-color="#1E1410"/></linearGradient>
</defs>
<rect width="172" height="80" fill="url(#bg)"/>
<rect x="0.5" y="0.5" width="171" height="79" fill="none" stroke="#D98A56" stroke-opacity="0.5"/>
<text x="86" y="22" text-anchor="middle" font-family="P052" font-style="italic" font-size="15" fill="#F1D9C6">♪ Music ♪</text>
<path d="M30 29.5H142" stroke="#F1D9C6" stroke-opacity="0.35" stroke-width="0.8"/>'
rm -f "$res/pictures/info_partner5_bg.jpg"
convert -background none -fill '#F6EFEA' -font "$font_title" -size 152x42 -gravity center \
  caption:"$MUSIC_PROJECT" "$work/music_name.png"
convert "$work/music_name.png" \( +clone -background black -shadow 60x1+0+1 \) +swap \
  -background none -layers merge +repage "$work/music_name_sh.png"
convert "$work/info_partner5_bg.png" -background '#3B302E' -alpha remove -alpha off \
  "$work/music_name_sh.png" -gravity north -geometry +0+33 -composite \
  "${jpeg_opts[@]}" "$res/pictures/info_partner5.jpg"
drawn "resources/pictures/info_partner5.jpg" "text badge \"Music: $MUSIC_PROJECT\" drawn as SVG and with ImageMagick (P052 Italic and Bold)"

# A partner photo: dune grass by the sea, centre-cropped.
fetch mate-backgrounds
convert "$src/mate-backgrounds/usr/share/backgrounds/mate/nature/Dune.jpg" -colorspace sRGB \
  -filter Lanczos -resize '212x220^' -gravity center -extent 212x220 -unsharp 0x0.6+0.5+0 \
  "${jpeg_opts[@]}" "$res/pictures/info_partner4.jpg"
row "resources/pictures/info_partner4.jpg" "mate-backgrounds: usr/share/backgrounds/mate/nature/Dune.jpg" \
  "Marco Cogoni (2007), Hylke Bons (2008)" "GPL-2+" "scaled and centre-cropped to 212 × 220"

# --- a last look at what the game will load -----------------------------------
# file | format, size and channels as identify tells them | top-left pixel
# (only where the game keys on it)
checks=(
  "cursor/CUR_101.png|PNG 32x32 srgba|"
  "cursor/CUR_102.png|PNG 32x32 srgba|"
  "icon/MAINICON_16.png|PNG 16x16 srgba|"
  "icon/MAINICON_32.png|PNG 32x32 srgba|"
  "icon/MAINICON_48.png|PNG 48x48 srgba|"
  "icon/MAINICON_64.png|PNG 64x64 srgba|"
  "icon/MAINICON_128.png|PNG 128x128 srgba|"
  "icon/MAINICON_256.png|PNG 256x256 srgba|"
  "pictures/menu_play.png|PNG 24x24 srgb|#FFFFFF"
  "pictures/menu_abort.png|PNG 24x24 srgb|#FFFFFF"
  "pictures/menu_info.png|PNG 16x16 srgb|#FFFFFF"
  "pictures/menu_help.png|PNG 16x16 srgb|#FFFFFF"
  "pictures/menu_setup.png|PNG 16x16 srgb|#FFFFFF"
  "pictures/menu_exit.png|PNG 16x16 srgb|#FFFFFF"
  "pictures/menu_highscore.png|PNG 16x16 srgb|#FFFFFF"
  "pictures/trophy.jpg|JPEG 75x215 srgb|"
  "pictures/info_symbol.bmp|BMP3 48x48 srgb|#FF00FF"
  "pictures/info_banner.jpg|JPEG 561x50 srgb|"
  "pictures/info_partner1.jpg|JPEG 172x45 srgb|"
  "pictures/info_partner2.jpg|JPEG 75x45 srgb|"
  "pictures/info_partner3.jpg|JPEG 308x45 srgb|"
  "pictures/info_partner4.jpg|JPEG 212x220 srgb|"
  "pictures/info_partner5.jpg|JPEG 172x80 srgb|"
)
bad=0
for c in "${checks[@]}"; do
  IFS='|' read -r f want key <<<"$c"
  got=$(identify -format '%m %wx%h %[channels]' "$res/$f")
  [ "$got" = "$want" ] || { echo "$f: $got, not $want" >&2; bad=1; }
  if [ -n "$key" ]; then
    tl=$(convert "$res/$f" -format '#%[hex:p{0,0}]' info:)
    [ "$tl" = "$key" ] || { echo "$f: top-left $tl, not $key" >&2; bad=1; }
  fi
done
[ "$bad" = 0 ]
