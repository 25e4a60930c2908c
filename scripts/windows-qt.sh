#!/usr/bin/env bash
# Builds a static Qt (qtbase + qtserialport) for 64-bit Windows with mingw-w64 into a cache
# folder outside the repository, once: the build takes most of an hour on two cores. The
# cache is reused while the inputs below are unchanged; it counts only when the stamp,
# written as the very last step, holds the same inputs.
# Usage: scripts/windows-qt.sh [--check]   (--check: exit 0 when the cache is complete)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

QT_VERSION=6.4.2
PELMOR_WINDOWS_CACHE=${PELMOR_WINDOWS_CACHE:-/opt/pelmor-windows}
# Used only where `apt-get source qt6-serialport` fails.
QTSERIALPORT_TARBALL=${QTSERIALPORT_TARBALL:-$here/../shared/third_party/qtserialport-everywhere-src-$QT_VERSION.tar.xz}
JOBS=${JOBS:-$(nproc)}

qt_features=(
  -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_icu=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF -DFEATURE_system_md4c=OFF
  -DFEATURE_opengl_dynamic=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
)
inputs="qt=$QT_VERSION compiler=$(x86_64-w64-mingw32-g++-posix -dumpfullversion 2>/dev/null || echo none) \
toolchain=$(sha256sum "$here/cmake/mingw-w64-x86_64.cmake" | cut -c1-16) features=${qt_features[*]}"
prefix=$PELMOR_WINDOWS_CACHE/qt
stamp=$PELMOR_WINDOWS_CACHE/complete.stamp

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$inputs" ]; then
  exit 0
fi
[ "${1:-}" = "--check" ] && exit 1

pkgs=(g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 dpkg-dev
      qt6-base-dev qt6-base-dev-tools cmake ninja-build xz-utils)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Debian's own source of the Qt release the Linux build uses.
srclist=/etc/apt/sources.list.d/pelmor-deb-src.sources
if ! [ -f "$srclist" ]; then
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$codename" | $sudo tee "$srclist" >/dev/null
  $sudo apt-get update -qq
fi

# A build stopped half-way under the same inputs goes on where it stopped.
if [ "$(cat "$PELMOR_WINDOWS_CACHE/inputs" 2>/dev/null)" != "$inputs" ]; then
  rm -rf "$PELMOR_WINDOWS_CACHE"
  mkdir -p "$PELMOR_WINDOWS_CACHE/src"
  echo "$inputs" > "$PELMOR_WINDOWS_CACHE/inputs"
fi
cd "$PELMOR_WINDOWS_CACHE/src"
base_src=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
if [ -z "$base_src" ]; then
  apt-get source -qq qt6-base >/dev/null 2>&1 || { echo "windows-qt: apt-get source qt6-base failed" >&2; exit 1; }
  base_src=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
fi
serial_src=$(find . -maxdepth 1 -type d \( -name 'qt6-serialport-*' -o -name 'qtserialport-*' \) | head -1)
if [ -z "$serial_src" ]; then
  if apt-get source -qq qt6-serialport >/dev/null 2>&1; then
    serial_src=$(find . -maxdepth 1 -type d -name 'qt6-serialport-*' | head -1)
  else
    echo "windows-qt: apt-get source qt6-serialport failed; using $QTSERIALPORT_TARBALL"
    tar xf "$QTSERIALPORT_TARBALL"
    serial_src=$(find . -maxdepth 1 -type d -name 'qtserialport-*' | head -1)
  fi
fi

echo "windows-qt: building static Qt $QT_VERSION for Windows in $prefix (most of an hour; logs in $PWD)"
cmake -S "$base_src" -B build-base -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${qt_features[@]}" > configure-base.log
cmake --build build-base -j "$JOBS" > build-base.log
cmake --install build-base > install-base.log

mkdir -p build-serial
(cd build-serial && "$prefix/bin/qt-configure-module" "../$serial_src" > ../configure-serial.log)
cmake --build build-serial -j "$JOBS" > build-serial.log
cmake --install build-serial > install-serial.log

rm -rf build-base build-serial
echo "$inputs" > "$stamp"
echo "windows-qt: static Qt $QT_VERSION for Windows in $prefix"
