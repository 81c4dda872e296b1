#!/usr/bin/env bash
# Installs what is missing, builds the program in build/ and runs the main job: an A4
# worksheet of the standard settings as arbeitsblatt.pdf in the project folder.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
build/bin/zifferbogen --pdf arbeitsblatt.pdf "$@"
echo "Arbeitsblatt geschrieben: $(pwd)/arbeitsblatt.pdf"
