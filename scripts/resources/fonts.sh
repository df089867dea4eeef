#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tessaryn Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Bundles the Liberation fonts (metric-compatible with Arial, Times New Roman and
# Courier New), so that every text measures the same on every machine.
set -euo pipefail
work=$1 rows=$2
out=$(cd "$(dirname "$0")/../../resources" && pwd)/fonts
mkdir -p "$out"
cd "$work"
apt-get download fonts-liberation >/dev/null
dpkg-deb -x fonts-liberation_*.deb x
src=x/usr/share/fonts/truetype/liberation
for f in LiberationSans-Regular LiberationSans-Bold LiberationSans-Italic LiberationSans-BoldItalic \
         LiberationSerif-Regular LiberationSerif-Bold LiberationMono-Regular LiberationMono-Bold; do
  cp "$src/$f.ttf" "$out/$f.ttf"
  echo "| fonts/$f.ttf | fonts-liberation: /usr/share/fonts/truetype/liberation/$f.ttf | Red Hat, Inc. (Liberation Fonts) | Liberation Fonts licence (GPL-2 with font exception; LICENSES/LicenseRef-Liberation.txt) | copied unchanged |" >>"$rows"
done
