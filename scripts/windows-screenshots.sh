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
# Qt's own dialogs come up in Polish only where the system says Polish.
LANG=pl_PL.UTF-8 wine "$exe" &
app=$!
window=$(timeout 60 xdotool search --sync --name 'Tervala Loader' | head -1)
# The window is drawn after it is mapped; give Wine a moment to paint it.
sleep 3
for page in 1 2 3 4 5; do
  import -window "$window" "$out/page$page.png"
  echo "$out/page$page.png"
  xdotool key --window "$window" ctrl+Tab
  sleep 1
done
