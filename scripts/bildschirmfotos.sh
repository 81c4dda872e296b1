#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the desktop program's windows under Xvfb: into docs/ at the normal scale, and
# into the folder given as the first argument (default build/bildschirmfotos-hidpi) at twice
# the scale, to check that the page stays sharp and no caption is cut off on a HiDPI screen.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --build build --target bildschirmfotos >/dev/null
hidpi=${1:-build/bildschirmfotos-hidpi}
mkdir -p docs "$hidpi"
# No standard settings of the user: the pictures show the program's defaults.
konfiguration=$(mktemp -d)
trap 'rm -rf "$konfiguration"' EXIT
export XDG_CONFIG_HOME="$konfiguration" QT_QPA_PLATFORM=xcb
# Every tab page at the window's smallest size goes beside them, to look for cut captions.
mkdir -p "$hidpi/klein" build/bildschirmfotos-klein
xvfb-run -a -s "-screen 0 1600x1200x24" build/bin/bildschirmfotos docs build/bildschirmfotos-klein
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 3200x2400x24" build/bin/bildschirmfotos "$hidpi" "$hidpi/klein"
# One ready-made worksheet of each grade, as it prints.
cmake --build build --target zifferbogen zb_vorlagen >/dev/null
for vorlage in klasse1-plus-minus-20-ohne-uebergang klasse2-einmaleins \
               klasse3-schriftlich-plus klasse4-schriftlich-mal-einstellig; do
  pdf=$(mktemp --suffix=.pdf)
  QT_QPA_PLATFORM=offscreen build/bin/zifferbogen --seed 3 --template "$vorlage" --pdf "$pdf"
  pdftoppm -png -r 40 -singlefile "$pdf" "docs/vorlage-${vorlage%%-*}"
  rm -f "$pdf"
done
echo "Bilder in docs/, build/bildschirmfotos-klein/ und $hidpi/"
