#!/usr/bin/env bash
# Pictures of pelmor.exe's window on each page, started under Wine on Xvfb:
# scripts/windows-screenshots.sh OUTDIR (after make windows).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots/windows}
. scripts/windows-env.sh
exe=$PWD/$(ls "$WIN_BUILD"/stage/Pelmor-*/pelmor.exe)
windows_prefix
mkdir -p "$out"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
# Qt's own dialogs come up in Polish only where the system says Polish.
LANG=pl_PL.UTF-8 wine "$exe" &
app=$!
window=$(timeout 60 xdotool search --sync --name 'Tervala Loader' | head -1)
# The window is drawn after it is mapped; give Wine a moment to paint it.
sleep 3
# Without a window manager Wine's window never takes the keyboard: the pages
# are chosen by clicking their tabs (x of each tab's caption, y of the row).
tabs=(38 105 170 235 298)
for page in 1 2 3 4 5; do
  xdotool mousemove --window "$window" "${tabs[$((page - 1))]}" 78 click 1
  sleep 1
  import -window "$window" "$out/page$page.png"
  echo "$out/page$page.png"
done
