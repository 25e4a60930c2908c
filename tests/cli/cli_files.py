#!/usr/bin/env python3
"""pelmor-cli and tervala-sim as a shell user meets them: "-" for stdin and
stdout, targets that must never be replaced, permission bits kept, read -o
checked before the module is asked and reported only once stored, and the
simulator's checked options."""
import os
import random
import resource
import signal
import stat
import subprocess
import sys
import tempfile
import zlib

CLI, SIM = sys.argv[1], sys.argv[2]
failures = []


def check(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL:", what)


def run(*args, input=None, limit_fsize=None):
    def pre():
        if limit_fsize is not None:
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit_fsize, resource.RLIM_INFINITY))
    return subprocess.run([CLI, *args], input=input, capture_output=True, preexec_fn=pre, timeout=60)


class Sim:
    def __init__(self, *options):
        self.p = subprocess.Popen([SIM, *options], stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.path = self.p.stdout.readline().decode().strip()

    def stop(self):
        self.p.send_signal(signal.SIGTERM)
        _, err = self.p.communicate(timeout=10)
        return err.decode()


with tempfile.TemporaryDirectory() as tmp:
    p = lambda name: os.path.join(tmp, name)
    check(run("new", "-o", p("a.ulmar")).returncode == 0, "new")
    original = open(p("a.ulmar"), "rb").read()

    # "-": stdout for outputs, stdin for inputs, and pipes of commands.
    r = run("new", "-o", "-")
    check(r.returncode == 0 and r.stdout == original, "new -o - writes the file to stdout")
    r = run("dump", "-", input=original)
    check(r.returncode == 0 and r.stdout == run("dump", p("a.ulmar")).stdout, "dump - reads stdin")
    image = run("image", "-", "-o", "-", input=original)
    check(image.returncode == 0 and len(image.stdout) == 2048, "image - -o -")
    r = run("decode", "-", "--base", p("a.ulmar"), "-o", "-", input=image.stdout)
    check(r.returncode == 0 and len(zlib.decompress(r.stdout)) == 2356, "decode - -o -")
    for args, stdin in [(("dump", "-"), b"garbage" * 10), (("decode", "-", "-o", "-"), b"\0" * 100),
                        (("decode", "-", "-o", "-"), b"\0" * 2049)]:
        r = run(*args, input=stdin)
        check(r.returncode == 1 and r.stdout == b"" and b"standardowe" in r.stderr, f"{args}: bad stdin refused")

    # Targets that exist and are not regular files, and read-only files:
    # refused for every writing command, never replaced.
    os.mkdir(p("folder"))
    os.mkfifo(p("fifo"))
    with open(p("ro.ulmar"), "wb") as f:
        f.write(b"old")
    os.chmod(p("ro.ulmar"), 0o444)
    image_file = p("a.bin")
    check(run("image", p("a.ulmar"), "-o", image_file).returncode == 0, "image to a file")
    writers = [("new",), ("image", p("a.ulmar")), ("decode", image_file),
               ("read", "--port", p("no-such-port"))]
    for target, reason in [(p("folder"), "nie jest zwykły plik"), (p("fifo"), "nie jest zwykły plik"),
                           ("/dev/null", "nie jest zwykły plik"), (p("ro.ulmar"), "tylko do odczytu"),
                           (p("missing/x.ulmar"), "Nie ma folderu")]:
        for cmd in writers:
            r = run(*cmd, "-o", target)
            err = r.stderr.decode()
            check(r.returncode == 1 and err.startswith("pelmor-cli: ") and reason in err and target in err,
                  f"{cmd} -o {target}: refused naming it: {err!r}")
            # read checks its target before it opens the port.
            check(cmd[0] != "read" or "no-such-port" not in err, f"read -o {target}: checked before the port")
    check(stat.S_ISFIFO(os.stat(p("fifo")).st_mode) and os.path.isdir(p("folder")), "fifo and folder intact")
    check(open(p("ro.ulmar"), "rb").read() == b"old", "read-only file intact")

    # A replaced file keeps its permission bits.
    for mode in (0o600, 0o640, 0o664, 0o604):
        target = p(f"mode{mode:o}.ulmar")
        with open(target, "wb") as f:
            f.write(b"x")
        os.chmod(target, mode)
        check(run("new", "-o", target).returncode == 0, f"replace mode {mode:o}")
        check(stat.S_IMODE(os.stat(target).st_mode) == mode, f"mode {mode:o} kept")
        check(open(target, "rb").read() == original, f"mode {mode:o}: content replaced")

    # A write the system refuses (file size limit) leaves the old file and says why.
    with open(p("keep.ulmar"), "wb") as f:
        f.write(b"keep me")
    r = run("new", "-o", p("keep.ulmar"), limit_fsize=16)
    check(r.returncode == 1 and "przekroczony dopuszczalny rozmiar pliku" in r.stderr.decode(),
          f"size limit: exit 1 with the reason, not a signal: {r.returncode} {r.stderr!r}")
    check(open(p("keep.ulmar"), "rb").read() == b"keep me", "size limit: old file intact")

    # read: the success line comes only once the file is stored. Random notes
    # from the base make a file larger than the limit set below, while the
    # serial port's lock file still fits under it.
    eeprom = p("module.eeprom")
    with open(p("base.ulmar"), "wb") as f:
        rng = random.Random(9)
        f.write(zlib.compress(bytes(rng.randrange(256) for _ in range(2356))))
    sim = Sim("--eeprom", eeprom)
    r = run("read", "--port", sim.path, "--base", p("base.ulmar"), "-o", p("read.ulmar"))
    out = r.stdout.decode().splitlines()
    check(r.returncode == 0 and out and out[-1] == "zaladowane ustawienia z eprom", f"read: success last: {out}")
    check(os.path.exists(p("read.ulmar")), "read: file written")
    with open(p("keep.ulmar"), "wb") as f:
        f.write(b"keep me")
    check(os.path.getsize(p("read.ulmar")) > 1024, "read: random content makes a large file")
    r = run("read", "--port", sim.path, "--base", p("base.ulmar"), "-o", p("keep.ulmar"), limit_fsize=1024)
    check(r.returncode == 1 and "zaladowane ustawienia z eprom" not in r.stdout.decode(),
          f"read into a refused write: no success line: {r.stdout!r}")
    check("przekroczony dopuszczalny rozmiar pliku" in r.stderr.decode(), "read: says why the write failed")
    check(open(p("keep.ulmar"), "rb").read() == b"keep me", "read: old file intact")
    # -o -: the file on stdout, the message-list lines on stderr.
    r = run("read", "--port", sim.path, "--base", p("base.ulmar"), "-o", "-")
    check(r.returncode == 0 and r.stdout == open(p("read.ulmar"), "rb").read(),
          "read -o -: the settings on stdout")
    check("zaladowane ustawienia z eprom" in r.stderr.decode(), "read -o -: lines on stderr")
    sim.stop()

    # The simulator never confirms a programming it could not store.
    sim = Sim("--eeprom", eeprom)
    check(run("program", "--port", sim.path, p("a.ulmar")).returncode == 0, "program the simulator")
    os.remove(eeprom)
    os.mkdir(eeprom)  # the store's rename over it now fails
    r = run("program", "--port", sim.path, p("a.ulmar"))
    check(r.returncode == 1 and "Programowanie zakończone pomyślnie." not in r.stdout.decode(),
          f"unstored programming not confirmed: {r.stdout!r}")
    check("nie można zapisać pliku EEPROM" in sim.stop(), "simulator says why")

    # tervala-sim's options: every value checked, wrong usage exits 2 with the reason.
    with open(p("short.eeprom"), "wb") as f:
        f.write(b"\0" * 20)
    bad = [("--baud", "fast"), ("--baud", "-5"), ("--baud", "1e6"), ("--delay", ""), ("--chunk", "12x"),
           ("--gap",), ("--garbage", "99999999999"), ("--silent-at", "frame:0"), ("--silent-at", "frame:x"),
           ("--close-at", "middle"), ("--end", "maybe"), ("--eeprom", p("folder")), ("--eeprom", "/dev/null"),
           ("--eeprom", p("missing/x.eeprom")), ("--eeprom", p("short.eeprom")), ("--eeprom", p("ro.ulmar")),
           ("--bare-ack=1",), ("--bogus",), ("extra",)]
    for args in bad:
        r = subprocess.run([SIM, *args], capture_output=True, timeout=10)
        err = r.stderr.decode().splitlines()
        check(r.returncode == 2 and r.stdout == b"" and err and err[0].startswith("tervala-sim: "),
              f"tervala-sim {args}: exit 2 with a reason: {r.returncode} {err}")
    for args in [("--help",), ("-h",), ("--version",)]:
        r = subprocess.run([SIM, *args], capture_output=True, timeout=10)
        check(r.returncode == 0 and r.stdout and r.stderr == b"", f"tervala-sim {args}")

print(f"{'OK' if not failures else 'FAILED'}: {len(failures)} failed checks")
sys.exit(1 if failures else 0)
