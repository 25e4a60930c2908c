#!/usr/bin/env bash
# Runs each fuzz target for a bounded number of inputs, seeded with valid
# settings files and images made by pelmor's own routines, and (the link
# engine) with sessions recorded against the simulator.
set -euo pipefail
bin=$1
runs=${2:-20000}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in fuzz_settings_file fuzz_eeprom_decoder fuzz_link_engine; do
  mkdir -p "$work/$target"
  cp "$here/fuzz/corpus/$target"/* "$work/$target/" 2>/dev/null || true
  # An input of the link engine is a whole session of many steps: some 30
  # times slower than a file or an image, so a tenth as many keep the time.
  n=$runs
  [ "$target" = fuzz_link_engine ] && n=$((runs / 10))
  echo "fuzzing $target for $n inputs"
  "$bin/$target" -runs="$n" -max_len=8192 -print_final_stats=0 "$work/$target" 2>"$work/$target.log" \
    || { tail -50 "$work/$target.log"; exit 1; }
  tail -1 "$work/$target.log"
done
echo "fuzzing: no failure"
