#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running the program needs, builds only the program in build/
# and runs the main job: an A4 worksheet of the standard settings as arbeitsblatt.pdf in the
# project folder. The build options are those of scripts/test.sh, which adds the tests to the
# same folder without compiling the program again.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DZB_WERROR=ON \
  -DZB_BUILD_TESTS=OFF -DZB_BUILD_BENCH=OFF >/dev/null
cmake --build build
build/bin/zifferbogen --pdf arbeitsblatt.pdf "$@"
echo "Arbeitsblatt geschrieben: $(pwd)/arbeitsblatt.pdf"
