#!/usr/bin/env python3
"""Writes one data file of the Brindlewax demo payload.

    make_data.py KIND OUTPUT VERSION

KIND is one of readme, settings, samples, library. The same arguments always
give the same bytes: pseudo-random parts come from SHA-256 in counter mode,
never from the clock or from Python's random module.
"""
import hashlib
import sys


def noise(seed, size):
    """`size` incompressible bytes, fixed by `seed`."""
    out = bytearray()
    counter = 0
    while len(out) < size:
        out += hashlib.sha256(b"%s:%d" % (seed, counter)).digest()
        counter += 1
    return bytes(out[:size])


def readme(version):
    lines = [
        "Brindlewax %s" % version,
        "=" * (11 + len(version)),
        "",
        "Brindlewax keeps your candle recipes, wax blends and pouring notes",
        "in one place. Start it from the desktop shortcut or from the",
        "Brindlewax group in the Start menu.",
        "",
        "Files in this folder",
        "--------------------",
        "  Brindlewax.exe   the program",
        "  Bxuninstall.exe  removes Brindlewax from this computer",
        "  Settings.ini     your preferences",
        "  Samples.dat      sample recipes",
        "  Library.dat      the blend library",
        "",
        "To remove Brindlewax, use Add/Remove Programs or run Bxuninstall.exe.",
        "",
    ]
    return "\r\n".join(lines).encode("ascii")


def settings(version):
    lines = [
        "; Brindlewax preferences",
        "[General]",
        "Version=%s" % version,
        "Units=metric",
        "Language=en",
        "",
        "[Pouring]",
        "DefaultTemperature=75",
        "CoolingMinutes=45",
        "",
    ]
    return "\r\n".join(lines).encode("ascii")


def records(seed, count):
    """Text-like recipe records: compress well but are not all alike."""
    waxes = [b"soy", b"beeswax", b"paraffin", b"coconut", b"rapeseed", b"palm"]
    scents = [b"lavender", b"cedar", b"vanilla", b"bergamot", b"fig", b"smoke", b"linen"]
    digest = noise(seed, count * 4)
    out = bytearray()
    for i in range(count):
        a, b, c, d = digest[i * 4:i * 4 + 4]
        out += b"recipe %06d; wax=%s; scent=%s; load=%d.%d%%; pour=%dC\r\n" % (
            i, waxes[a % len(waxes)], scents[b % len(scents)], 4 + c % 8, d % 10, 60 + (a ^ d) % 30)
    return bytes(out)


def samples(_version):
    # About 300 KB: recipe text with a few binary thumbnails in between.
    out = bytearray()
    for block in range(6):
        out += records(b"samples-%d" % block, 700)
        out += noise(b"thumb-%d" % block, 12 * 1024)
    return bytes(out)


def library(_version):
    # About 5 MB in 256 KB chunks, alternating compressible text, repeated
    # patterns and incompressible noise, so that both the deflate ratio and the
    # progress vary while it is extracted.
    chunk = 256 * 1024
    out = bytearray()
    for i in range(20):
        kind = i % 3
        if kind == 0:
            part = records(b"library-%d" % i, 5000)
        elif kind == 1:
            part = (b"BLEND%04d" % i + noise(b"pattern-%d" % i, 55)) * (chunk // 64 + 1)
        else:
            part = noise(b"library-noise-%d" % i, chunk)
        out += part[:chunk]
    return bytes(out)


WRITERS = {"readme": readme, "settings": settings, "samples": samples, "library": library}


def main(argv):
    if len(argv) != 4 or argv[1] not in WRITERS:
        sys.stderr.write("usage: make_data.py {%s} OUTPUT VERSION\n" % ",".join(sorted(WRITERS)))
        return 2
    data = WRITERS[argv[1]](argv[3])
    with open(argv[2], "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
