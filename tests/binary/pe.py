"""A small reader for the parts of a PE file that the binary checks look at."""

import struct

MACHINE_I386 = 0x14C
PE32_MAGIC = 0x10B
SUBSYSTEM_WINDOWS_GUI = 2
FILE_RELOCS_STRIPPED = 0x0001
DLL_DYNAMIC_BASE = 0x0040
DLL_NX_COMPAT = 0x0100
DIR_IMPORT = 1
DIR_BASERELOC = 5


class PeError(Exception):
    pass


class PeFile:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise PeError("no MZ header")
        pe = self._u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise PeError("no PE signature")
        (self.machine, sections, _, self.symbol_table, self.symbol_count, optional_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        opt = pe + 24
        self.magic = self._u16(opt)
        # These offsets are the same in the 32- and 64-bit layouts.
        self.subsystem_version = (self._u16(opt + 48), self._u16(opt + 50))
        self.subsystem = self._u16(opt + 68)
        self.dll_characteristics = self._u16(opt + 70)
        directories = opt + (92 if self.magic == PE32_MAGIC else 108)
        self.directories = [struct.unpack_from("<II", data, directories + 4 + 8 * i)
                            for i in range(self._u32(directories))]
        table = opt + optional_size
        self.sections = []
        for i in range(sections):
            _, vsize, vaddr, rawsize, rawptr = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((vaddr, max(vsize, rawsize), rawptr))

    def _u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def _u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def _offset(self, rva):
        for vaddr, size, rawptr in self.sections:
            if vaddr <= rva < vaddr + size:
                return rva - vaddr + rawptr
        raise PeError("address 0x%x lies in no section" % rva)

    def _cstring(self, rva):
        start = self._offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    def imports(self):
        """Returns [(dll, [function or '#ordinal', ...]), ...] in file order."""
        if self.magic != PE32_MAGIC:
            raise PeError("not a 32-bit (PE32) image")
        rva, _ = self.directory(DIR_IMPORT)
        result = []
        if not rva:
            return result
        descriptor = self._offset(rva)
        while True:
            lookup, _, _, name, first_thunk = struct.unpack_from("<IIIII", self.data, descriptor)
            if not (lookup or name or first_thunk):
                return result
            functions = []
            thunk = self._offset(lookup or first_thunk)
            while True:
                entry = self._u32(thunk)
                if entry == 0:
                    break
                if entry & 0x80000000:
                    functions.append("#%d" % (entry & 0xFFFF))
                else:
                    functions.append(self._cstring(entry + 2))  # skip the hint
                thunk += 4
            result.append((self._cstring(name), functions))
            descriptor += 20
