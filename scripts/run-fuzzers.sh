#!/usr/bin/env bash
# Runs each fuzz target for a bounded number of inputs, seeded with valid
# settings files and images made by pelmor's own routines.
set -euo pipefail
bin=$1
runs=${2:-20000}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in fuzz_settings_file fuzz_eeprom_decoder; do
  mkdir -p "$work/$target"
  cp "$here/fuzz/corpus/$target"/* "$work/$target/" 2>/dev/null || true
  echo "fuzzing $target for $runs inputs"
  "$bin/$target" -runs="$runs" -max_len=8192 -print_final_stats=0 "$work/$target" 2>"$work/$target.log" \
    || { tail -50 "$work/$target.log"; exit 1; }
  tail -1 "$work/$target.log"
done
echo "fuzzing: no failure"
