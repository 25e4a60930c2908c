# Sourced by the Windows scripts: where the Windows build and its Wine prefix live.
PELMOR_WINDOWS_CACHE=${PELMOR_WINDOWS_CACHE:-/opt/pelmor-windows}
WIN_BUILD=${WIN_BUILD:-build/windows}
export WINEPREFIX=${WINEPREFIX:-$PWD/$WIN_BUILD/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: the programs need neither, and the prefix is made without asking.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Configures the cross build; $1: ON to build the tests too.
windows_configure() {
  cmake -S . -B "$WIN_BUILD" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$PELMOR_WINDOWS_CACHE/qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v wine)" \
    -DCMAKE_BUILD_TYPE=Release -DPELMOR_TESTS="$1" -DPELMOR_BENCH=OFF >/dev/null
}

windows_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    DISPLAY= wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
}
