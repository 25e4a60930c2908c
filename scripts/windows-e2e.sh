#!/usr/bin/env bash
# pelmor-cli.exe under Wine against tervala-sim on a Linux pseudo-terminal
# mapped into the Wine prefix as COM9 (run by scripts/windows-test.sh).
#  1. The file commands give the same bytes as the Linux build.
#  2. comm_probe.exe shows how Wine completes each overlapped operation on
#     the port, the way QSerialPort relies on them.
#  3. pelmor-cli.exe program and read: the results are checked as on Linux
#     where Wine's serial layer carries the run; where it does not, the run
#     must end exactly as a silent module would, for the cause step 2 shows.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/windows-env.sh
host=build/windows-host
cmake -S . -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMOR_TESTS=OFF -DPELMOR_BENCH=OFF >/dev/null
cmake --build "$host" -j "$(nproc)" --target tervala-sim pelmor-cli >/dev/null
sim=$PWD/$host/bin/tervala-sim
cli=$PWD/$host/bin/pelmor-cli
wcli=$PWD/$WIN_BUILD/bin/pelmor-cli.exe
probe=$PWD/$WIN_BUILD/bin/comm_probe.exe
windows_prefix

work=$(mktemp -d)
simpid=""
cleanup() {
  [ -n "$simpid" ] && kill "$simpid" 2>/dev/null && wait "$simpid" 2>/dev/null
  rm -f "$WINEPREFIX/dosdevices/com9"
  rm -rf "$work"
}
trap cleanup EXIT
passed=0
failed=0
check() { # check NAME COMMAND...: one line of the summary
  if "${@:2}"; then passed=$((passed + 1)); echo "ok   $1"; else failed=$((failed + 1)); echo "FAIL $1"; fi
}
wine_run() { wine "$@" 2>"$work/wine-stderr" | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# 1. File commands: Windows and Linux builds agree byte for byte.
cd "$work"
"$cli" new -o linux.ulmar
wine_run "$wcli" new -o windows.ulmar >/dev/null
check "new: same file from both builds" cmp -s linux.ulmar windows.ulmar
"$cli" dump linux.ulmar > linux.json
wine_run "$wcli" dump windows.ulmar > windows.json
check "dump: same JSON from both builds" cmp -s linux.json windows.json
"$cli" image linux.ulmar -o linux.bin
wine_run "$wcli" image windows.ulmar -o windows.bin >/dev/null
check "image: same EEPROM image from both builds" cmp -s linux.bin windows.bin
"$cli" decode linux.bin -o linux-decoded.ulmar
wine_run "$wcli" decode linux.bin -o windows-decoded.ulmar >/dev/null
check "decode: same file from both builds" cmp -s linux-decoded.ulmar windows-decoded.ulmar

# A pseudo-terminal module, mapped as COM9.
start_sim() {
  coproc SIM { exec "$sim" --eeprom "$work/eeprom.bin" "$@"; }
  simpid=$SIM_PID
  read -r -u "${SIM[0]}" pty
  ln -sfn "$pty" "$WINEPREFIX/dosdevices/com9"
}
stop_sim() { kill "$simpid"; wait "$simpid" 2>/dev/null || true; simpid=""; }

# 2. How Wine completes overlapped operations on the port.
start_sim
wine_run "$probe" COM9 > probe.txt || true
stop_sim
sed 's/^/     probe: /' probe.txt
check "probe: the port opens and takes the line settings" grep -qx 'line settings: yes' probe.txt
check "probe: the written command reaches the module" grep -q '^write: 4 bytes, completion packet: yes' probe.txt
check "probe: the module's answer arrives in the port" grep -q '^wait event signalled: yes' probe.txt
wait_packet=$(sed -n 's/^wait completion packet: //p' probe.txt)

# 3. Programming and read-back through pelmor-cli.exe.
# Settings that differ from a new module's: the reaction times, with the image's checksum kept right.
python3 - linux.bin programmed.bin <<'PY'
import sys
image = bytearray(open(sys.argv[1], "rb").read())
image[2:10] = bytes([7, 9, 11, 13, 15, 17, 19, 21])
image[41] = ~sum(image[2:41]) & 0xFF
open(sys.argv[2], "wb").write(image)
PY
"$cli" decode programmed.bin --base linux.ulmar -o programmed.ulmar
start_sim
set +e
wine_run "$wcli" program --port COM9 programmed.ulmar > program.txt
program_status=$?
wine_run "$wcli" read --port COM9 -o readback.ulmar > read.txt
read_status=$?
set -e
stop_sim
sed 's/^/     program: /' program.txt
sed 's/^/     read: /' read.txt
if [ "$program_status" -eq 0 ]; then
  check "program: ends with success" grep -qx 'Programowanie zakończone pomyślnie.' program.txt
  check "read: succeeds" test "$read_status" -eq 0
  "$cli" dump programmed.ulmar > want.json
  "$cli" dump readback.ulmar > got.json 2>/dev/null || true
  check "read: the module holds what was programmed" cmp -s want.json got.json
elif [ "$wait_packet" = "no" ]; then
  echo "     Wine $(wine --version) signals a finished WaitCommEvent by its event only and posts"
  echo "     no completion packet; QSerialPort waits for that packet, so it never reads."
  check "program: opens COM9, then ends as a silent module would" \
    grep -qx 'Brak odpowiedzi z modułu.' program.txt
  check "program: exit status 1" test "$program_status" -eq 1
  check "read: ends as a silent module would, no file written" \
    bash -c "grep -qx 'Brak odpowiedzi z modułu.' read.txt && [ $read_status -eq 1 ] && [ ! -e readback.ulmar ]"
else
  check "program: succeeds where Wine posts every completion" false
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
