#!/usr/bin/env bash
# Saves a PNG of the main window on each of its five pages into docs/screenshots
# (or the folder given), rendered offscreen exactly as the program draws them.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMOR_TESTS=OFF -DPELMOR_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)" --target pelmor-screenshots
QT_QPA_PLATFORM=offscreen build/bin/pelmor-screenshots "$out"
