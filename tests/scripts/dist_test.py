#!/usr/bin/env python3
"""The release zips of scripts/dist.py, made from the builds that make test
already has: their names, contents, each program's format, the version in the
name against the program's own version resource, the program's manifest and
the x86 program's size, the readme's encoding, and the same bytes when packed
again from the same files with other file times.

Usage: tests/scripts/dist_test.py BUILD_DIR   (needs BUILD_DIR/win32 and win64)
"""
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DIST = os.path.join(ROOT, "scripts", "dist.py")
# Zip target name -> build folder and the format objdump must report.
TARGETS = {"x86": ("win32", "pei-i386"), "x64": ("win64", "pei-x86-64")}
ZIP_NAME = re.compile(r"^Quenvo-([0-9][0-9.]*)-(x86|x64)\.zip$")
# The shipped 32-bit program is meant to stay compact.
X86_EXE_LIMIT = 600 * 1024
RT_MANIFEST = 24

failures = []


def check(what, ok, detail=""):
    print(f"{'ok' if ok else 'FAIL'}: {what}{'' if ok else ': ' + detail}")
    if not ok:
        failures.append(what)


def run_dist(build_dir, out_dir):
    subprocess.run([sys.executable, DIST, build_dir, out_dir], check=True, stdout=subprocess.DEVNULL)
    return sorted(os.listdir(out_dir))


def objdump_of(build_folder):
    """The toolchain's objdump, as the build's own format check uses it."""
    with open(os.path.join(build_folder, "CMakeCache.txt"), encoding="utf-8") as f:
        match = re.search(r"^CMAKE_OBJDUMP:FILEPATH=(.*)$", f.read(), re.M)
    return match.group(1) if match else "objdump"


def exe_format(objdump, exe_bytes, scratch):
    path = os.path.join(scratch, "Quenvo.exe")
    with open(path, "wb") as f:
        f.write(exe_bytes)
    out = subprocess.run([objdump, "-f", path], capture_output=True, text=True,
                         env=dict(os.environ, LC_ALL="C")).stdout
    match = re.search(r"file format (\S+)", out)
    return match.group(1) if match else out


def version_resource(exe):
    """(file version numbers, FileDescription) from the program's version resource."""
    fixed = exe.find(struct.pack("<I", 0xFEEF04BD))
    ms, ls = struct.unpack_from("<II", exe, fixed + 8) if fixed >= 0 else (0, 0)
    numbers = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    key = "FileDescription\0".encode("utf-16-le")
    start = exe.find(key)
    if start < 0:
        return numbers, ""
    start += len(key)
    while exe[start:start + 2] == b"\0\0":          # padding to the value's 32-bit boundary
        start += 2
    end = start
    while exe[end:end + 2] != b"\0\0":
        end += 2
    return numbers, exe[start:end].decode("utf-16-le")


def resource(exe, type_id, name_id):
    """The bytes of resource type_id/name_id (its first language) in a PE image, or None."""
    pe = struct.unpack_from("<I", exe, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H", exe, pe + 6)[0], struct.unpack_from("<H", exe, pe + 20)[0]
    optional = pe + 24
    directories = optional + (96 if struct.unpack_from("<H", exe, optional)[0] == 0x10B else 112)
    rsrc_rva = struct.unpack_from("<I", exe, directories + 2 * 8)[0]
    table = [struct.unpack_from("<III", exe, optional + optional_size + 40 * i + 8)[:2] +
             (struct.unpack_from("<I", exe, optional + optional_size + 40 * i + 20)[0],) for i in range(sections)]

    def offset(rva):
        for size, va, raw in table:
            if va <= rva < va + size:
                return rva - va + raw
        return None

    base = offset(rsrc_rva)

    def entry(directory, wanted):
        named, ids = struct.unpack_from("<HH", exe, base + directory + 12)
        for i in range(named + ids):
            key, target = struct.unpack_from("<II", exe, base + directory + 16 + 8 * i)
            if wanted is None or key == wanted:
                return target & 0x7FFFFFFF
        return None

    if base is None:
        return None
    at = 0
    for wanted in (type_id, name_id, None):
        at = entry(at, wanted)
        if at is None:
            return None
    data_rva, size = struct.unpack_from("<II", exe, base + at)
    start = offset(data_rva)
    return exe[start:start + size]


def check_manifest(name, exe, numbers):
    manifest = resource(exe, RT_MANIFEST, 1)
    check(f"{name}: Quenvo.exe carries a manifest", manifest is not None)
    text = (manifest or b"").decode("utf-8", "replace")
    version = ".".join(str(n) for n in numbers)
    check(f"{name}: the manifest names the program's version {version}",
          re.search(r'<assemblyIdentity[^>]*\bversion="' + re.escape(version) + '"', text) is not None)
    check(f"{name}: the manifest runs the program as the invoker", 'level="asInvoker"' in text)
    check(f"{name}: the manifest makes the program aware of each monitor's DPI",
          re.search(r"<dpiAwareness[^>]*>\s*PerMonitorV2", text) is not None and ">true/pm<" in text)
    check(f"{name}: the manifest names Windows 10 among the systems",
          "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}" in text)
    check(f"{name}: the program keeps the classic controls", "Common-Controls" not in text)


def check_zip(build_dir, out_dir, name, scratch):
    version, target = ZIP_NAME.match(name).groups()
    folder, expected_format = TARGETS[target]
    with zipfile.ZipFile(os.path.join(out_dir, name)) as zf:
        check(f"{name} holds exactly Quenvo.exe and readme.txt",
              zf.namelist() == ["Quenvo.exe", "readme.txt"], str(zf.namelist()))
        check(f"{name} is intact", zf.testzip() is None)
        exe, readme = zf.read("Quenvo.exe"), zf.read("readme.txt")
    with open(os.path.join(build_dir, folder, "Quenvo.exe"), "rb") as f:
        check(f"{name} holds the program of {folder}", exe == f.read())
    fmt = exe_format(objdump_of(os.path.join(build_dir, folder)), exe, scratch)
    check(f"{name}: Quenvo.exe is {expected_format}", fmt == expected_format, fmt)

    numbers, description = version_resource(exe)
    check(f"{name}: the version in the name is the program's own",
          description.endswith(f" Version {version}"), description)
    shown = f"{numbers[0]}.{numbers[1]}{numbers[2]}"
    check(f"{name}: the file version {numbers} is shown as {version}", shown == version, shown)
    check_manifest(name, exe, numbers)
    if target == "x86":
        check(f"{name}: Quenvo.exe is at most {X86_EXE_LIMIT // 1024} KB", len(exe) <= X86_EXE_LIMIT,
              f"{len(exe)} bytes")

    try:
        text = readme.decode("cp932")
    except UnicodeDecodeError as e:
        check(f"{name}: readme.txt is code page 932", False, str(e))
        return
    lone_lf = re.search(r"(?<!\r)\n", text)
    lone_cr = re.search(r"\r(?!\n)", text)
    check(f"{name}: readme.txt has CR LF line ends only", not lone_lf and not lone_cr and "\r\n" in text)
    check(f"{name}: readme.txt names the version", version in text and "@VERSION@" not in text)


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__.split("\n\n")[1])
    build_dir = os.path.abspath(argv[1])
    with tempfile.TemporaryDirectory() as tmp:
        first = os.path.join(tmp, "first")
        names = run_dist(build_dir, first)
        check("one zip per target, named Quenvo-<version>-<target>.zip",
              len(names) == 2 and all(ZIP_NAME.match(n) for n in names)
              and sorted(ZIP_NAME.match(n).group(2) for n in names) == ["x64", "x86"]
              and len({ZIP_NAME.match(n).group(1) for n in names}) == 1, str(names))
        if failures:
            return 1
        for name in names:
            check_zip(build_dir, first, name, tmp)

        # Packed again from copies with other file times, the bytes stay the same.
        copies = os.path.join(tmp, "copies")
        for folder, _ in TARGETS.values():
            os.makedirs(os.path.join(copies, folder))
            exe = os.path.join(copies, folder, "Quenvo.exe")
            shutil.copyfile(os.path.join(build_dir, folder, "Quenvo.exe"), exe)
            os.utime(exe, (1234567890, 1234567890))
        second = os.path.join(tmp, "second")
        check("packing again gives the same zip names", run_dist(copies, second) == names)
        for name in names:
            with open(os.path.join(first, name), "rb") as a, open(os.path.join(second, name), "rb") as b:
                check(f"{name} is the same bytes when packed again", a.read() == b.read())
    print(f"dist test: {'FAILED: ' + ', '.join(failures) if failures else 'passed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
