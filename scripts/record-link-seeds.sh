#!/usr/bin/env bash
# Records good sessions of pelmor-cli with tervala-sim (strace on the port's
# reads) and writes them as seeds of the link engine's fuzz target: the
# start of the sequence, then every block the port delivered, as it came.
#   scripts/record-link-seeds.sh BUILD/bin fuzz/corpus/fuzz_link_engine
set -euo pipefail
bin=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
work=$(mktemp -d)
sim=
trap '[ -n "$sim" ] && kill "$sim" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
"$bin/pelmor-cli" new -o in.ulmar
# The seeds' blocks: whole answers (unpaced), USB-sized blocks (paced), small
# blocks with pauses, and noise ahead of every answer.
for mode in whole paced chunked noise; do
  case $mode in
    whole) opts=() ;;
    paced) opts=(--baud 115200) ;;
    chunked) opts=(--chunk 7 --gap 1) ;;
    noise) opts=(--garbage 5) ;;
  esac
  "$bin/tervala-sim" "${opts[@]}" --eeprom module.eeprom > port.txt &
  sim=$!
  until [ -s port.txt ]; do sleep 0.05; done
  port=$(head -1 port.txt)
  strace -e trace=openat,read -xx -s 8192 -o "program-$mode.trace" \
    "$bin/pelmor-cli" program --port "$port" in.ulmar > /dev/null
  strace -e trace=openat,read -xx -s 8192 -o "read-$mode.trace" \
    "$bin/pelmor-cli" read --port "$port" --accept-bad-checksum -o out.ulmar > /dev/null
  kill "$sim"; wait "$sim" 2>/dev/null || true; sim=; rm -f port.txt
done
python3 - "$out" <<'PY'
import glob, os, re, sys
out = sys.argv[1]
def decode(s):
    return bytes(int(h, 16) for h in re.findall(r'\\x([0-9a-f]{2})', s))
for trace in sorted(glob.glob('*.trace')):
    port_fd, blocks = None, []
    for line in open(trace):
        m = re.search(r'openat\(AT_FDCWD, "([^"]*)", [^)]*\)\s+=\s+(\d+)', line)
        if m and decode(m.group(1)).startswith(b'/dev/'):
            port_fd = m.group(2)  # the last open of the device is the port's
            blocks = []
            continue
        m = re.search(r'read\((\d+), "([^"]*)", \d+\)\s+=\s+(\d+)', line)
        if m and m.group(1) == port_fd and int(m.group(3)) > 0:
            blocks.append(decode(m.group(2)))
    seed = bytearray([0 if trace.startswith('program') else 1])
    for block in blocks:
        seed += bytes([2, len(block) & 0xFF, len(block) >> 8]) + block
    name = os.path.join(out, trace.replace('.trace', '.seed'))
    open(name, 'wb').write(seed)
    print(name, len(blocks), 'blocks')
PY
