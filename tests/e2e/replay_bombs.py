#!/usr/bin/env python3
"""Replay files made to weigh: each is read by `--replay-check` within the replay caps.

Each row is a file written here byte by byte (docs/replay-format.md), the exit code and the
words `--replay-check` must give, and the most memory and time its process may take. Memory is
the child's peak resident size, as the kernel counts it.
    replay_bombs.py GAME
"""
import os, resource, struct, subprocess, sys, tempfile, time, zlib

game = sys.argv[1]
MOST_MB, MOST_S = 256, 30


def header():
    h = b"LUMIVEXR" + struct.pack("<HHQ", 1, 0, 0) + struct.pack("<H", 4) + b"Bomb" + struct.pack("<H", 4) + b"1.24"
    return h + struct.pack("<I", zlib.crc32(h))


def block(records):
    packed = zlib.compress(records, 9)
    return b"LVBK" + struct.pack("<III", len(records), len(packed), zlib.crc32(packed)) + packed


def trailer(count):
    t = b"LVEN" + struct.pack("<I", count)
    return t + struct.pack("<I", zlib.crc32(t))


def records(datagram, total=1 << 20):
    one = struct.pack("<IH", 0, len(datagram)) + datagram
    return one * (total // len(one))


tiny = block(records(b"1"))  # 149,796 one-byte records in a full block
# Three hours of eight riders at the default speed: 1.36 million records of 66 bytes on average.
real = block(records(b"1;" + b"9" * 64))
per_block = (1 << 20) // 72
real_blocks = 1360000 // per_block
noise = block(b"".join(struct.pack("<IH", 0, 600) + os.urandom(600) for _ in range((1 << 20) // 606)))
full = block(records(b"20;" + b"a" * 1021))  # the longest records, a full block of them
rows = [
    # name, bytes, exit code, words it must say
    ("many tiny records", header() + tiny * 40 + trailer(40 * 149796), 1, "more than a replay may"),
    ("a maximal block repeated", header() + full * 200 + trailer(200 * 1018), 1, "more than a replay may"),
    ("a count that lies", header() + tiny + trailer(0xFFFFFFFF), 1, "end mark counts"),
    ("past the most a file may be", header() + noise * 40, 1, "more than a replay may"),
    ("a three-hour match", header() + real * real_blocks + trailer(real_blocks * per_block), 0, ""),
]
failed = 0
with tempfile.TemporaryDirectory() as d:
    for name, data, code, words in rows:
        path = os.path.join(d, "bomb.lumivex-replay")
        with open(path, "wb") as f:
            f.write(data)
        start = time.monotonic()
        pid = os.fork()
        if pid == 0:  # the child's own peak memory, apart from this script's
            null = os.open(os.devnull, os.O_WRONLY)
            err = os.open(os.path.join(d, "err"), os.O_WRONLY | os.O_CREAT | os.O_TRUNC)
            os.dup2(null, 1), os.dup2(err, 2)
            os.execv(game, [game, "--replay-check", path])
        _, status, usage = os.wait4(pid, 0)
        seconds = time.monotonic() - start
        mb = usage.ru_maxrss / 1024
        said = open(os.path.join(d, "err")).read().strip()
        rc = os.waitstatus_to_exitcode(status)
        ok = rc == code and words in said and mb < MOST_MB and seconds < MOST_S
        failed += not ok
        print("%s: %s (%.1f MB file): exit %d in %.1f s, peak %.0f MB: %s" %
              ("ok" if ok else "FAIL", name, len(data) / 1e6, rc, seconds, mb, said))
print("%d passed, %d failed" % (len(rows) - failed, failed))
sys.exit(1 if failed else 0)
