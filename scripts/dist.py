#!/usr/bin/env python3
"""Packs the release zips: one per Windows target, each holding Quenvo.exe and
the Japanese readme.

Usage: scripts/dist.py BUILD_DIR OUT_DIR
Reads BUILD_DIR/win32/Quenvo.exe and BUILD_DIR/win64/Quenvo.exe and writes
OUT_DIR/Quenvo-<version>-x86.zip and OUT_DIR/Quenvo-<version>-x64.zip. The
version is the one the version resource shows, read from res/Quenvo.rc.

The zips are the same bytes for the same inputs: fixed member order, times
and attributes, so a release can be rebuilt and compared.
"""
import os
import re
import sys
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RC_FILE = os.path.join(ROOT, "res", "Quenvo.rc")
README_TEMPLATE = os.path.join(ROOT, "package", "readme.txt.in")
TARGETS = [("win32", "x86"), ("win64", "x64")]       # build folder, name in the zip's name

# Zip times are local DOS times without a zone; a fixed one keeps the bytes fixed.
FIXED_TIME = (2000, 1, 1, 0, 0, 0)
# Regular file, rw-r--r--, made on a Unix host, so unzip on any system sees plain files.
UNIX_FILE_ATTR = (0o100644 << 16)

VERSION_TEXT = re.compile(r'VALUE\s+"FileDescription",\s*"[^"]*\bVersion\s+([0-9][0-9.]*)"')


def read_version(rc_path=RC_FILE):
    """The version that the version resource's description shows, e.g. "1.02"."""
    with open(rc_path, encoding="utf-8") as f:
        text = f.read()
    block = text.split("VERSIONINFO", 1)
    match = VERSION_TEXT.search(block[1]) if len(block) == 2 else None
    if not match:
        sys.exit(f"dist: no version in the VERSIONINFO block of {rc_path}")
    return match.group(1)


def readme_bytes(version):
    """The readme as Windows users' editors expect it: code page 932, CR LF."""
    with open(README_TEMPLATE, encoding="utf-8") as f:
        text = f.read().replace("@VERSION@", version)
    text = text.replace("\r\n", "\n").replace("\n", "\r\n")
    try:
        return text.encode("cp932")
    except UnicodeEncodeError as e:
        line = text.count("\n", 0, e.start) + 1
        sys.exit(f"dist: {README_TEMPLATE}:{line}: {text[e.start]!r} has no code page 932 form")


def zip_name(version, target):
    return f"Quenvo-{version}-{target}.zip"


def write_zip(path, members):
    """members: (name, bytes) in the order they are stored."""
    tmp = path + ".tmp"
    with zipfile.ZipFile(tmp, "w") as zf:
        for name, data in members:
            info = zipfile.ZipInfo(name, date_time=FIXED_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3
            info.external_attr = UNIX_FILE_ATTR
            zf.writestr(info, data, compresslevel=9)
    os.replace(tmp, path)


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__.split("\n\n")[1])
    build_dir, out_dir = argv[1], argv[2]
    version = read_version()
    readme = readme_bytes(version)
    os.makedirs(out_dir, exist_ok=True)
    for folder, target in TARGETS:
        with open(os.path.join(build_dir, folder, "Quenvo.exe"), "rb") as f:
            exe = f.read()
        path = os.path.join(out_dir, zip_name(version, target))
        write_zip(path, [("Quenvo.exe", exe), ("readme.txt", readme)])
        print(f"dist: {path}")


if __name__ == "__main__":
    main(sys.argv)
