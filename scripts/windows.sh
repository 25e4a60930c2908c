#!/usr/bin/env bash
# make windows: pelmor.exe and pelmor-cli.exe built for 64-bit Windows (static: one file each),
# the installer pelmor-setup-<version>.exe and a zip for use without installing, in build/windows.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh windows
scripts/windows-qt.sh
. scripts/windows-env.sh
windows_configure "${PELMOR_WINDOWS_TESTS:-OFF}"
cmake --build "$WIN_BUILD" -j "$(nproc)" --target windows-package
for f in "$WIN_BUILD"/stage/Pelmor-*/pelmor.exe "$WIN_BUILD"/stage/Pelmor-*/pelmor-cli.exe \
         "$WIN_BUILD"/pelmor-setup-*.exe "$WIN_BUILD"/pelmor-*-windows.zip; do
  stat -c "%s %n" "$f" | awk "{ printf \"%-48s %6.1f MB\\n\", \$2, \$1 / 1048576 }"
done
