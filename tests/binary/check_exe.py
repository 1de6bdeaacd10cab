#!/usr/bin/env python3
"""Checks of the shipped executable as a file: size, imports, PE header.

usage: check_exe.py CHECK EXE [GOLDEN]   CHECK: size, dlls, imports, header
Prints what it found; exits 1 with the reasons when a check fails.
"""

import difflib
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pe  # noqa: E402

SIZE_BUDGET = 64 * 1024
ALLOWED_DLLS = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "WINMM.DLL", "MSVCRT.DLL"}
# Windows XP is subsystem version 5.1; a higher one refuses to start there.
MAX_SUBSYSTEM_VERSION = (5, 1)


def import_lines(image):
    # DLL names are case-insensitive on Windows and import libraries spell them
    # differently, so they are compared in capitals; function names are exact.
    return sorted("%s!%s" % (dll.upper(), fn) for dll, fns in image.imports() for fn in fns)


def check_size(path, image, _):
    size = os.path.getsize(path)
    print("size: %d bytes (budget %d)" % (size, SIZE_BUDGET))
    return [] if size <= SIZE_BUDGET else ["%d bytes exceed the budget by %d"
                                           % (size, size - SIZE_BUDGET)]


def check_dlls(_, image, __):
    dlls = [dll for dll, _ in image.imports()]
    print("DLLs: " + ", ".join(dlls))
    return ["imports from %s, which is not allowed" % dll
            for dll in dlls if dll.upper() not in ALLOWED_DLLS]


def check_imports(_, image, golden_path):
    with open(golden_path) as golden:
        expected = [line.strip() for line in golden
                    if line.strip() and not line.startswith("#")]
    actual = import_lines(image)
    print("%d imported functions, %d in %s" % (len(actual), len(expected), golden_path))
    if actual == sorted(expected):
        return []
    diff = difflib.unified_diff(sorted(expected), actual, "imports.golden", "velmora.exe",
                                lineterm="")
    return ["the imported functions differ from the reviewed list"
            " (review each new one for Windows XP, then update the golden file):\n"
            + "\n".join(diff)]


def check_header(_, image, __):
    print("machine 0x%x, optional header magic 0x%x, subsystem %d, subsystem version %d.%d,"
          " DllCharacteristics 0x%04x, characteristics 0x%04x"
          % (image.machine, image.magic, image.subsystem, image.subsystem_version[0],
             image.subsystem_version[1], image.dll_characteristics, image.characteristics))
    errors = []
    if image.machine != pe.MACHINE_I386 or image.magic != pe.PE32_MAGIC:
        errors.append("not a 32-bit i386 image")
    if image.subsystem != pe.SUBSYSTEM_WINDOWS_GUI:
        errors.append("subsystem %d is not the Windows GUI (2)" % image.subsystem)
    if image.subsystem_version > MAX_SUBSYSTEM_VERSION:
        errors.append("subsystem version %d.%d is above 5.1 (Windows XP)"
                      % image.subsystem_version)
    if not image.dll_characteristics & pe.DLL_DYNAMIC_BASE:
        errors.append("DYNAMIC_BASE is not set")
    if not image.dll_characteristics & pe.DLL_NX_COMPAT:
        errors.append("NX_COMPAT is not set")
    # DYNAMIC_BASE is a lie without relocations: the loader cannot move the image.
    if image.characteristics & pe.FILE_RELOCS_STRIPPED or not image.directory(pe.DIR_BASERELOC)[1]:
        errors.append("the image has no base relocations, so it cannot be moved")
    if image.symbol_table or image.symbol_count:
        errors.append("the image carries a COFF symbol table (not stripped)")
    return errors


CHECKS = {"size": check_size, "dlls": check_dlls, "imports": check_imports,
          "header": check_header}


def run(check, path, golden=None):
    """Returns the list of failures of one check."""
    if not os.path.isfile(path):
        return ["%s does not exist; build the release preset first" % path]
    with open(path, "rb") as exe:
        data = exe.read()
    try:
        return CHECKS[check](path, pe.PeFile(data), golden)
    except (pe.PeError, IndexError, ValueError) as error:
        return ["%s is not a readable PE file: %s" % (path, error)]


def main(argv):
    if len(argv) < 3 or argv[1] not in CHECKS or (argv[1] == "imports" and len(argv) < 4):
        print(__doc__, file=sys.stderr)
        return 2
    errors = run(argv[1], argv[2], argv[3] if len(argv) > 3 else None)
    for error in errors:
        print("FAIL: " + error)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
