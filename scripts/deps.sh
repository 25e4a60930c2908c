#!/usr/bin/env bash
# Installs the Debian packages a task needs, only those that are missing.
# Usage: scripts/deps.sh run|test|package|windows
set -euo pipefail

run_pkgs=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-serialport-dev libqt6serialport6
          zlib1g-dev xvfb xauth fonts-dejavu-core libgl-dev qt6-translations-l10n)
test_pkgs=("${run_pkgs[@]}" libgtest-dev libbenchmark-dev clang libclang-rt-14-dev python3
           desktop-file-utils appstream)
# Building and checking the .deb: manual pages, icons, the package tools and
# the validators.
package_pkgs=("${run_pkgs[@]}" help2man librsvg2-bin imagemagick dpkg-dev file lintian desktop-file-utils
              appstream shared-mime-info libglib2.0-bin)
# The Windows build (mingw-w64, the static Qt of scripts/windows-qt.sh), its installer, and its tests under Wine.
windows_pkgs=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-serialport-dev
              g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 libz-mingw-w64-dev
              googletest qt6-translations-l10n nsis zip python3 wine64 xvfb xauth xdotool x11-apps x11-utils
              imagemagick dpkg-dev xz-utils zlib1g-dev)

case "${1:-}" in
run) want=("${run_pkgs[@]}") ;;
test) want=("${test_pkgs[@]}") ;;
package) want=("${package_pkgs[@]}") ;;
windows) want=("${windows_pkgs[@]}") ;;
*) echo "usage: $0 run|test|package|windows" >&2; exit 2 ;;
esac

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
