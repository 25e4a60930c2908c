#!/usr/bin/env python3
"""pelmor-cli against Python's own zlib: files made by other compressors open,
files the program makes decompress to exactly the record and the notes."""
import json
import os
import random
import subprocess
import sys
import tempfile
import zlib

CLI = sys.argv[1]
failures = []


def check(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL:", what)


def run(*args):
    return subprocess.run([CLI, *args], capture_output=True)


# (offset, capacity) of every short string of the record and of the notes.
RECORD_STRINGS = [(33, 4), (101, 7), (109, 15)] + [(125 + 16 * u, 15) for u in range(4)] \
    + [(189 + 37 * i, 36) for i in range(28)]
NOTE_STRINGS = [(282 * u, 30) for u in range(4)] + [(282 * u + 31, 250) for u in range(4)]


def random_content(rng):
    record = bytearray(rng.randrange(256) for _ in range(1228))
    notes = bytearray(rng.randrange(256) for _ in range(1128))
    for off, cap in RECORD_STRINGS:
        record[off] = rng.randrange(cap + 1)
    for off, cap in NOTE_STRINGS:
        notes[off] = rng.randrange(cap + 1)
    return bytes(record + notes)


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def dump(path):
    r = run("dump", path)
    check(r.returncode == 0, f"dump {path} exit {r.returncode}: {r.stderr.decode()}")
    return json.loads(r.stdout) if r.returncode == 0 else None


with tempfile.TemporaryDirectory() as tmp:
    p = lambda name: os.path.join(tmp, name)

    # A new file: default level zlib stream of the default record and zero notes.
    check(run("new", "-o", p("new.ulmar")).returncode == 0, "new")
    raw = open(p("new.ulmar"), "rb").read()
    check(raw[:2] == b"\x78\x9c", "new file starts with 78 9C")
    content = zlib.decompress(raw)
    check(len(content) == 2356, f"new file holds 2356 bytes, got {len(content)}")
    expected = bytearray(1228)
    for i in list(range(0, 8)) + list(range(16, 24)) + [1225, 1226, 1227]:
        expected[i] = 1
    for i in list(range(41, 57)) + list(range(73, 85)):
        expected[i] = 0x80
    check(content[:1228] == bytes(expected), "new record is the default record")
    check(content[1228:] == bytes(1128), "new notes are empty")

    # The same content through every level and through many flushed blocks.
    rng = random.Random(1250)
    content = random_content(rng)
    write(p("ref.ulmar"), zlib.compress(content, 6))
    reference = dump(p("ref.ulmar"))
    check(reference is not None and set(reference) == {"ModuleSettings", "UserNotes"}, "dump's two parts")
    for level in range(10):
        write(p(f"l{level}.ulmar"), zlib.compress(content, level))
        check(dump(p(f"l{level}.ulmar")) == reference, f"level {level} opens identically")
    co = zlib.compressobj(3)
    flushed = b"".join(co.compress(content[i:i + 97]) + co.flush(zlib.Z_FULL_FLUSH)
                       for i in range(0, len(content), 97)) + co.flush()
    write(p("flushed.ulmar"), flushed)
    check(dump(p("flushed.ulmar")) == reference, "full-flushed stream opens identically")
    write(p("longer.ulmar"), zlib.compress(content + b"extra" * 100))
    check(dump(p("longer.ulmar")) == reference, "extra content is ignored")

    # image: the record's EEPROM image; decode onto a base keeps its notes.
    check(run("image", p("ref.ulmar"), "-o", p("ref.bin")).returncode == 0, "image")
    image = open(p("ref.bin"), "rb").read()
    check(len(image) == 2048 and image[:2] == b"\xff\xff", "image size and marker")
    check(image[41] == (~sum(image[2:41])) & 0xFF, "image checksum")
    check(run("decode", p("ref.bin"), "--base", p("ref.ulmar"), "-o", p("dec.ulmar")).returncode == 0, "decode")
    decoded = zlib.decompress(open(p("dec.ulmar"), "rb").read())
    check(decoded[1228:] == content[1228:], "decode keeps the base's notes")
    check(decoded[13] == content[13] and decoded[40] == content[40] and decoded[85:89] == content[85:89],
          "decode keeps the reserved bytes")
    check(run("decode", p("ref.bin"), "-o", p("dec2.ulmar")).returncode == 0, "decode onto new")
    check(zlib.decompress(open(p("dec2.ulmar"), "rb").read())[1228:] == bytes(1128), "decode onto new: empty notes")

    # Refusals (1) and misuse (2); nothing is written on failure.
    write(p("short.bin"), image[:2047])
    write(p("garbage.ulmar"), b"garbage" * 100)
    write(p("cut.ulmar"), zlib.compress(content)[:-10])
    write(p("little.ulmar"), zlib.compress(content[:2000]))
    cases = [
        (("decode", p("short.bin"), "-o", p("x.ulmar")), 1),
        (("decode", p("ref.bin") + ".missing", "-o", p("x.ulmar")), 1),
        (("dump", p("garbage.ulmar")), 1),
        (("dump", p("cut.ulmar")), 1),
        (("dump", p("little.ulmar")), 1),
        (("image", p("garbage.ulmar"), "-o", p("x.bin")), 1),
        (("new", "-o", p("no-such-dir/x.ulmar")), 1),
        ((), 2),
        (("frobnicate",), 2),
        (("new",), 2),
        (("dump",), 2),
        (("dump", "a", "b"), 2),
        (("image", p("ref.ulmar")), 2),
        (("decode", p("ref.bin"), "--bogus", "x", "-o", p("x.ulmar")), 2),
        (("new", "-o"), 2),
        (("program", p("ref.ulmar")), 2),
        (("program", "--port", "/dev/null"), 2),
        (("read", "--port", "/dev/null"), 2),
        (("read", "-o", p("x.ulmar")), 2),
        (("read", "--port", "/dev/null", "--speed", "9", "-o", p("x.ulmar")), 2),
        (("program", "--port", p("no-such-port"), p("new.ulmar")), 1),
        (("read", "--port", p("no-such-port"), "-o", p("x.ulmar")), 1),
    ]
    for args, code in cases:
        r = run(*args)
        check(r.returncode == code, f"{args}: exit {r.returncode}, expected {code}")
        check(r.stderr.strip() != b"", f"{args}: says why on stderr")
    check(not os.path.exists(p("x.ulmar")) and not os.path.exists(p("x.bin")), "nothing written on failure")

    # Wrong usage: one line of reason naming the program, then the usage, all on stderr.
    for args in [(), ("frobnicate",), ("new",), ("--bogus",), ("help", "frobnicate"), ("dump", "a", "b")]:
        r = run(*args)
        lines = r.stderr.decode().splitlines()
        check(r.returncode == 2 and r.stdout == b"", f"{args}: exit 2, nothing on stdout")
        check(len(lines) >= 2 and lines[0].startswith("pelmor-cli: ") and "pelmor-cli" in lines[1],
              f"{args}: reason then usage on stderr: {lines}")

    # Help and version: on stdout, exit 0, for the program and for each command.
    for args, needle in [(("--help",), "Polecenia:"), (("-h",), "Polecenia:"), (("help",), "Polecenia:"),
                         (("--version",), "pelmor-cli "), (("help", "decode"), "--base"),
                         (("decode", "--help"), "--base"), (("read", "-h"), "--port"),
                         (("program", "x", "--help"), "--port")]:
        r = run(*args)
        check(r.returncode == 0 and needle in r.stdout.decode() and r.stderr == b"",
              f"{args}: help on stdout, exit 0")
    check(run("--version").stdout.decode().strip().split(" ")[1][0].isdigit(), "--version gives a number")

    # --option=value and -oVALUE are the same as "-o VALUE".
    check(run("new", "--output=" + p("eq.ulmar")).returncode == 0 and os.path.exists(p("eq.ulmar")), "--output=")
    check(run("new", "-o" + p("glued.ulmar")).returncode == 0 and os.path.exists(p("glued.ulmar")), "-oFILE")

print(f"{'OK' if not failures else 'FAILED'}: {len(failures)} failed checks")
sys.exit(1 if failures else 0)
