#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The peak memory of a print run into a PDF: one sheet against many (3000 sheets with their
# solution sheets, 6000 pages), each the median of three runs of build/bin/zifferbogen. The
# pages go into the file as they are made, so the two should lie within a few MB.
#   bench/speicher_druck.sh [program] [sheets]
set -euo pipefail
cd "$(dirname "$0")/.."
programm=${1:-build/bin/zifferbogen}
blaetter=${2:-3000}
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT

# Maximum resident set size in kB of one run, as GNU time reports it.
spitze() {
  /usr/bin/time -f '%M' -o "$ordner/zeit" "$programm" --seed 1 "$@" --pdf "$ordner/lauf.pdf" >/dev/null
  cat "$ordner/zeit"
}
median() { sort -n | sed -n 2p; }

ein=$(for _ in 1 2 3; do spitze; done | median)
viele=$(for _ in 1 2 3; do spitze --sheets "$blaetter" --solutions; done | median)
echo "Ein Blatt:                        ${ein} kB"
echo "${blaetter} Blätter mit Lösungsblättern: ${viele} kB (Zuwachs $((viele - ein)) kB)"
