#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line into every source file that lacks it: C++ files, CMake files and shell
# scripts under src/ tests/ bench/ fuzz/ cmake/ scripts/ .ci/ and the top CMakeLists.txt. The
# line goes first, after a script's #! line; files that have it stay as they are. The test
# lizenzkennung (tests/scripts/Lizenzkennung.cmake) checks the same files.
set -euo pipefail
cd "$(dirname "$0")/.."

# The first two bytes of a file, to know a script by them (binary files hold NUL bytes).
anfang() { head -c 2 "$1" | tr -d '\0'; }

kennung='SPDX-License-Identifier: GPL-3.0-or-later'
find src tests bench fuzz cmake scripts .ci CMakeLists.txt -type f -print0 | sort -z |
  while IFS= read -r -d '' datei; do
    case "$datei" in
      *.cpp | *.h | *.h.in) zeile="// $kennung" ;;
      *.cmake | *CMakeLists.txt | *.sh) zeile="# $kennung" ;;
      *)
        # A script without an ending: known by its #! line.
        [ "$(anfang "$datei")" = '#!' ] || continue
        zeile="# $kennung"
        ;;
    esac
    if head -n 2 "$datei" | grep -qF "$kennung"; then
      continue
    fi
    if [ "$(anfang "$datei")" = '#!' ]; then
      sed -i "1a $zeile" "$datei"
    else
      sed -i "1i $zeile" "$datei"
    fi
    echo "$datei"
  done
