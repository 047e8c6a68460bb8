#!/usr/bin/env python3
"""Reads the built velmarin.exe as Windows' loader does and checks what it finds there.

- The libraries the system loads with the program, before its first line runs, are known system
  libraries only: those Windows always takes from its own folder. Any other name would be looked
  for first in the program's folder, where a downloaded zip may have put anything.
- The libraries loaded later, on their first call, are system libraries too, and the program
  limits the search for them to the system folder (it calls SetDefaultDllDirectories) without
  ever naming a folder of its own for it (SetDllDirectory).
- The embedded manifest names every Windows from Vista to 10/11 as supported, asks for no raised
  rights (asInvoker, no uiAccess) and keeps the per-monitor DPI settings.
- The image is marked as aware of the terminal server.

    exe_image_test.py PATH/TO/velmarin.exe
"""
import struct
import sys
import xml.etree.ElementTree as ET

# Windows 10 and 11's known DLLs (HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs),
# and ntdll, which every process has before anything else.
KNOWN_DLLS = {
    "advapi32.dll", "clbcatq.dll", "combase.dll", "comdlg32.dll", "coml2.dll", "gdi32.dll",
    "gdiplus.dll", "imagehlp.dll", "imm32.dll", "kernel32.dll", "msctf.dll", "msvcrt.dll",
    "normaliz.dll", "nsi.dll", "ole32.dll", "oleaut32.dll", "psapi.dll", "rpcrt4.dll",
    "sechost.dll", "setupapi.dll", "shcore.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "wldap32.dll", "ws2_32.dll", "ntdll.dll",
}
# Loaded on their first call, after the program has limited the search to the system folder:
# system libraries, but not all of them known ones.
DELAY_LOADED = KNOWN_DLLS | {"comctl32.dll", "oleacc.dll"}
# Heavy libraries the start never needs: a function called without its line in cmake/*_delay.def
# would load one at every start.
LOADED_ON_FIRST_CALL = {"comctl32.dll", "oleacc.dll", "ole32.dll", "oleaut32.dll", "shell32.dll"}

SUPPORTED_OS = {
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}": "Windows Vista",
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "Windows 7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "Windows 8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "Windows 8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "Windows 10 and 11",
}
TERMINAL_SERVER_AWARE = 0x8000
RT_MANIFEST = 24
IMPORTS, RESOURCES, DELAY_IMPORTS = 1, 2, 13


class Image:
    """A PE file's headers, sections and the data its directories point at."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no MZ header")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        self.pe32_plus = magic == 0x20B
        if magic == 0x20B:  # PE32+
            self.dll_characteristics = struct.unpack_from("<H", data, optional + 70)[0]
            directories_at, count_at = optional + 112, optional + 108
        elif magic == 0x10B:  # PE32
            self.dll_characteristics = struct.unpack_from("<H", data, optional + 70)[0]
            directories_at, count_at = optional + 96, optional + 92
        else:
            raise ValueError(f"unknown optional header magic {magic:#x}")
        count = struct.unpack_from("<I", data, count_at)[0]
        self.directories = [struct.unpack_from("<II", data, directories_at + 8 * i)
                            for i in range(count)]
        table = optional + optional_size
        self.sections = []
        for i in range(sections):
            size, address, raw_size, raw = struct.unpack_from("<IIII", data, table + 40 * i + 8)
            self.sections.append((address, max(size, raw_size), raw))

    def offset(self, rva):
        for address, size, raw in self.sections:
            if address <= rva < address + size:
                return raw + rva - address
        raise ValueError(f"address {rva:#x} lies in no section")

    def directory(self, index):
        if index >= len(self.directories):
            return 0, 0
        return self.directories[index]

    def text(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("ascii")

    def functions(self, rva):
        """The names a thunk table at rva imports by name (ordinals are passed over)."""
        wide = self.pe32_plus
        size, ordinal = (8, 1 << 63) if wide else (4, 1 << 31)
        names = []
        at = self.offset(rva)
        while True:
            entry = struct.unpack_from("<Q" if wide else "<I", self.data, at)[0]
            if not entry:
                return names
            if not entry & ordinal:
                names.append(self.text((entry & 0x7FFFFFFF) + 2))
            at += size

    def imported(self):
        """{library: [functions]} of the import table the loader resolves at start."""
        rva, _ = self.directory(IMPORTS)
        found = {}
        while rva:
            fields = struct.unpack_from("<5I", self.data, self.offset(rva))
            if not any(fields):
                break
            found[self.text(fields[3])] = self.functions(fields[0] or fields[4])
            rva += 20
        return found

    def delay_imported(self):
        """The libraries loaded on their first call. GNU ld leaves the image's delay-import
        directory empty, so the descriptors are looked for in the image: 32 bytes, attributes 1
        (addresses relative to the image), then the addresses of the library's name, of its
        handle, of its address table and of its name table."""
        rva, _ = self.directory(DELAY_IMPORTS)
        found = set()
        if rva:
            at = self.offset(rva)
            while True:
                fields = struct.unpack_from("<8I", self.data, at)
                if not any(fields):
                    break
                found.add(self.text(fields[1]))
                at += 32
            return sorted(found)
        for address, size, raw in self.sections:
            end = min(raw + size, len(self.data)) - 32
            for at in range(raw, end, 4):
                if self.data[at] != 1 or self.data[at + 1:at + 4] != b"\0\0\0":
                    continue
                fields = struct.unpack_from("<8I", self.data, at)
                if not all(fields[1:5]):
                    continue
                try:
                    name = self.text(fields[1])
                except (ValueError, UnicodeDecodeError):
                    continue
                if name.lower().endswith(".dll") and 4 < len(name) < 64:
                    found.add(name)
        return sorted(found)

    def resource(self, kind, name):
        """The bytes of the first language of resource (kind, name), numeric ids, or None."""
        root, _ = self.directory(RESOURCES)
        if not root:
            return None
        base = self.offset(root)

        def entry(table, wanted):
            named, numbered = struct.unpack_from("<HH", self.data, base + table + 12)
            for i in range(named + numbered):
                ident, target = struct.unpack_from("<II", self.data, base + table + 16 + 8 * i)
                if wanted is None or (not ident & 0x80000000 and ident == wanted):
                    return target
            return None

        target = entry(0, kind)
        for wanted in (name, None):
            if target is None or not target & 0x80000000:
                return None
            target = entry(target & 0x7FFFFFFF, wanted)
        if target is None or target & 0x80000000:
            return None
        rva, size = struct.unpack_from("<II", self.data, base + target)
        at = self.offset(rva)
        return self.data[at:at + size]


def check(path):
    """Every fault found, one line each."""
    faults = []
    with open(path, "rb") as f:
        image = Image(f.read())

    imported = image.imported()
    for name in imported:
        if name.lower() not in KNOWN_DLLS:
            faults.append(f"{name} is imported at start and is no known system library")
        if name.lower() in LOADED_ON_FIRST_CALL:
            faults.append(f"{name} is loaded at every start: {', '.join(sorted(imported[name]))}")
    functions = {f for names in imported.values() for f in names}
    if "SetDefaultDllDirectories" not in functions:
        faults.append("SetDefaultDllDirectories is not called: libraries are searched for beside "
                      "the program")
    for name in ("SetDllDirectoryA", "SetDllDirectoryW"):
        if name in functions:
            faults.append(f"{name} is called: its folder would pass to every program started")
    for name in image.delay_imported():
        if name.lower() not in DELAY_LOADED:
            faults.append(f"{name} is loaded on its first call and is no system library")

    if not image.dll_characteristics & TERMINAL_SERVER_AWARE:
        faults.append("the image is not marked as aware of the terminal server")

    manifest = image.resource(RT_MANIFEST, 1)
    if manifest is None:
        return faults + ["no manifest (RT_MANIFEST 1)"]
    try:
        root = ET.fromstring(manifest)
    except ET.ParseError as error:
        return faults + [f"the manifest is no XML: {error}"]
    compat = "{urn:schemas-microsoft-com:compatibility.v1}"
    found = {e.get("Id", "").lower() for e in root.iter(compat + "supportedOS")}
    for guid, system in SUPPORTED_OS.items():
        if guid not in found:
            faults.append(f"the manifest does not name {system} as supported")
    for guid in sorted(found - set(SUPPORTED_OS)):
        faults.append(f"the manifest names an unknown system {guid}")
    levels = [e for e in root.iter() if e.tag.endswith("}requestedExecutionLevel")]
    if len(levels) != 1:
        faults.append(f"the manifest has {len(levels)} requestedExecutionLevel elements, not one")
    for level in levels:
        if level.get("level") != "asInvoker":
            faults.append(f"the program asks for level {level.get('level')}, not asInvoker")
        if level.get("uiAccess", "false") != "false":
            faults.append("the program asks for uiAccess")
    awareness = [e.text for e in root.iter() if e.tag.endswith("}dpiAwareness")]
    if not awareness or "PerMonitorV2" not in awareness[0]:
        faults.append("the manifest lost its per-monitor DPI awareness")
    return faults


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    faults = check(sys.argv[1])
    for fault in faults:
        print("FAIL:", fault)
    if faults:
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
