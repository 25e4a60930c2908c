#!/usr/bin/env bash
# Runs every benchmark program of an optimised build and prints its figures.
set -uo pipefail
bin=$1
status=0
for b in "$bin"/bench_* "$bin"/*_bench "$bin"/pelmor-bench-*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$b" || status=1
done
exit $status
