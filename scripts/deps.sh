#!/usr/bin/env bash
# Installs the Debian packages a task needs, only those that are missing.
# Usage: scripts/deps.sh run|test
set -euo pipefail

run_pkgs=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-serialport-dev libqt6serialport6
          zlib1g-dev xvfb xauth fonts-dejavu-core libgl-dev)
test_pkgs=("${run_pkgs[@]}" libgtest-dev libbenchmark-dev clang libclang-rt-14-dev python3)

case "${1:-}" in
run) want=("${run_pkgs[@]}") ;;
test) want=("${test_pkgs[@]}") ;;
*) echo "usage: $0 run|test" >&2; exit 2 ;;
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
