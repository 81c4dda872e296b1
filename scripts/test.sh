#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs all tests: first the full build in
# build/ (its tests under the C and the German locale), then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
jobs=$(nproc)

# The program's options as in scripts/run.sh: a program it built is not compiled again.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DZB_WERROR=ON \
  -DZB_BUILD_TESTS=ON -DZB_BUILD_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
# Once more as on a teacher's German desktop, where Qt hands the locale to the C library.
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 ctest --test-dir build --output-on-failure -j "$jobs" -LE paket

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZB_SANITIZE=ON \
  -DZB_BUILD_QT=OFF -DZB_BUILD_BENCH=OFF -DZB_WERROR=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -L core
