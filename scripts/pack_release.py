#!/usr/bin/env python3
"""Packs the release zip from built files: one folder velmarin/ with the program, its icon
library, the sample settings and skin, and the read-me and licence for Notepad.

    pack_release.py --build DIR --out DIR

DIR of --build is a win32 build folder (velmarin.exe, velmarin.icl, skin.bmp and
generated/version.h). Writes velmarin-VERSION.zip and SHA256SUMS into --out. The same inputs
give the same bytes: names in order, every date SOURCE_DATE_EPOCH's (or 1980-01-01), fixed
permissions. The read-me's source (resources/release/readme.txt) is UTF-8 with LF line ends; in
the zip it is Shift_JIS (code page 932) with CR LF, which every Notepad shows; its English part
must be plain ASCII.
"""

import argparse
import hashlib
import os
import re
import sys
import time
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RELEASE = os.path.join(ROOT, "resources", "release")
# Where the read-me's English half begins.
ENGLISH_RULE = "-" * 70


def version_of(build):
    with open(os.path.join(build, "generated", "version.h"), encoding="ascii") as f:
        found = re.search(r'^#define VELMARIN_VERSION "([^"]+)"$', f.read(), re.M)
    if not found:
        sys.exit("pack_release: no VELMARIN_VERSION in %s/generated/version.h" % build)
    return found.group(1)


def crlf(text):
    return text.replace("\r\n", "\n").replace("\n", "\r\n")


def readme_bytes(version):
    with open(os.path.join(RELEASE, "readme.txt"), encoding="utf-8") as f:
        text = f.read().replace("@VERSION@", version)
    if ENGLISH_RULE not in text:
        sys.exit("pack_release: readme.txt has no rule before its English part")
    english = text.split(ENGLISH_RULE, 1)[1]
    if not english.isascii():
        sys.exit("pack_release: the English part of readme.txt is not plain ASCII")
    # Strict: a character code page 932 lacks stops the packing instead of turning into "?".
    return crlf(text).encode("cp932")


def text_file(name):
    with open(os.path.join(RELEASE, name), encoding="ascii") as f:
        return crlf(f.read()).encode("ascii")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def zip_date():
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "0"))
    # A zip's dates run from 1980 and count seconds in twos.
    return time.gmtime(max(epoch, 315532800))[:6]


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args(argv)

    version = version_of(args.build)
    files = {
        "velmarin.exe": read(os.path.join(args.build, "velmarin.exe")),
        "velmarin.icl": read(os.path.join(args.build, "velmarin.icl")),
        "skin.bmp": read(os.path.join(args.build, "skin.bmp")),
        "velmarin.ini": read(os.path.join(ROOT, "resources", "sample", "velmarin.ini")),
        "readme.txt": readme_bytes(version),
        "license.txt": text_file("license.txt"),
    }

    os.makedirs(args.out, exist_ok=True)
    name = "velmarin-%s.zip" % version
    path = os.path.join(args.out, name)
    date = zip_date()
    with zipfile.ZipFile(path + ".part", "w") as z:
        folder = zipfile.ZipInfo("velmarin/", date)
        folder.create_system = 3
        folder.external_attr = (0o40755 << 16) | 0x10
        z.writestr(folder, b"")
        for member in sorted(files):
            info = zipfile.ZipInfo("velmarin/" + member, date)
            info.create_system = 3
            info.external_attr = (0o100755 if member.endswith(".exe") else 0o100644) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, files[member], compresslevel=9)
    os.replace(path + ".part", path)

    digest = hashlib.sha256(read(path)).hexdigest()
    with open(os.path.join(args.out, "SHA256SUMS"), "w", encoding="ascii", newline="\n") as f:
        f.write("%s  %s\n" % (digest, name))
    print(path)


if __name__ == "__main__":
    main(sys.argv[1:])
