#!/usr/bin/env bash
# make windows-test: the Windows build's tests under Wine. The core and window
# tests (Qt's offscreen platform, linked into each .exe) run through ctest
# with Wine as the emulator; then pelmor-cli.exe runs against tervala-sim on
# a pseudo-terminal mapped into the Wine prefix as COM9.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh windows
scripts/windows-qt.sh
. scripts/windows-env.sh
windows_configure ON
cmake --build "$WIN_BUILD" -j "$(nproc)"
windows_prefix

# Wine keeps the host's QT_* variables from Windows programs and hands on
# WINEQT_* ones under the QT_ name. The tests draw on Qt's offscreen platform
# with the fonts the Linux tests measure with.
export WINEQT_QPA_PLATFORM=offscreen
export WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\dejavu'
# Wine's windowing needs an X display even for windows nobody sees.
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$WIN_BUILD" --output-on-failure -j "$(nproc)"

scripts/windows-e2e.sh
