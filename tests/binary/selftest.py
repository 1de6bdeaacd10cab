#!/usr/bin/env python3
"""Shows that each binary check catches the fault it is there for: damaged
copies of the real executable must fail the check that guards against it.

usage: selftest.py EXE GOLDEN
"""

import contextlib
import io
import os
import struct
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_exe  # noqa: E402


def replaced(old, new):
    def mutate(data):
        if old not in data:
            raise SystemExit("selftest: %r not found in the executable" % old)
        return data.replace(old, new, 1)
    return mutate


def patched(field_offset, fmt, value, combine=None):
    """Overwrites a field at an offset from the PE signature."""
    def mutate(data):
        at = struct.unpack_from("<I", data, 0x3C)[0] + field_offset
        old = struct.unpack_from(fmt, data, at)[0]
        data = bytearray(data)
        struct.pack_into(fmt, data, at, combine(old) if combine else value)
        return bytes(data)
    return mutate


OPT = 24  # the optional header follows the signature and the file header
FAULTS = [
    ("size", "one byte over the budget",
     lambda data: data + b"\0" * (check_exe.SIZE_BUDGET + 1 - len(data))),
    ("dlls", "a DLL outside the allowed set", replaced(b"WINMM.DLL\0", b"WINXX.DLL\0")),
    ("imports", "a function that is not in the golden file",
     replaced(b"PlaySoundA\0", b"PlaySoundW\0")),
    ("header", "a 64-bit machine type", patched(4, "<H", 0x8664)),
    ("header", "the console subsystem", patched(OPT + 68, "<H", 3)),
    ("header", "subsystem version 6.0", patched(OPT + 48, "<H", 6)),
    ("header", "subsystem version 5.2", patched(OPT + 48, "<I", (2 << 16) | 5)),
    ("header", "no DYNAMIC_BASE", patched(OPT + 70, "<H", None, lambda v: v & ~0x0040)),
    ("header", "no NX_COMPAT", patched(OPT + 70, "<H", None, lambda v: v & ~0x0100)),
    ("header", "relocations stripped", patched(22, "<H", None, lambda v: v | 0x0001)),
]


def fails(check, path, golden):
    with contextlib.redirect_stdout(io.StringIO()):
        return bool(check_exe.run(check, path, golden))


def main(exe, golden):
    with open(exe, "rb") as original:
        data = original.read()
    failures = []
    for check in sorted(set(check for check, _, _ in FAULTS)):
        if fails(check, exe, golden):
            failures.append("the unmodified executable fails '%s'" % check)
    with tempfile.TemporaryDirectory() as scratch:
        for index, (check, fault, mutate) in enumerate(FAULTS):
            path = os.path.join(scratch, "damaged%d.exe" % index)
            with open(path, "wb") as copy:
                copy.write(mutate(data))
            caught = fails(check, path, golden)
            print("%-8s %-45s -> %s" % (check, fault, "caught" if caught else "MISSED"))
            if not caught:
                failures.append("'%s' did not catch %s" % (check, fault))
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
