# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package, made and started as a user would start it once installed:
    debian_package_test.py --cpack CPACK --build BUILD_FOLDER --version VERSION
                           --data PATH/zephal.zep
Makes the package from the build with CPack, checks its file name, its contents with their
owners and modes, its control fields and its changelog, has lintian check it against Debian's
policy (an error fails, warnings are shown), unpacks it into a scratch folder and starts the
unpacked program by its desktop entry's command in the entry's working folder, both taken
under the scratch folder, and expects the main window with the quantities of the shipped file.
Run it through run_under_xvfb.sh, which gives it a screen and buses of its own.
"""

import argparse
import gzip
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import expect, expect_equal, test_in_scratch_folder  # noqa: E402
from installed_entry_test import (ICON_SIZES, check_installation,  # noqa: E402
                                  expect_shipped_quantities)

# Every file of the package with its mode; folders are all rwxr-xr-x, everything root's.
PROGRAM, DATA = "-rwxr-xr-x", "-rw-r--r--"
CHANGELOG = "usr/share/doc/zephal/changelog.gz"
FILES = {
    "usr/bin/zephal": PROGRAM,
    "usr/share/zephal/zephal.zep": DATA,
    "usr/share/applications/zephal.desktop": DATA,
    "usr/share/man/man1/zephal.1.gz": DATA,
    "usr/share/doc/zephal/copyright": DATA,
    CHANGELOG: DATA,
    **{f"usr/share/icons/hicolor/{n}x{n}/apps/zephal.png": DATA for n in ICON_SIZES},
}
# Packages that must be among the dependencies: libraries that only dpkg-shlibdeps finds, and
# the fonts that stand in for the ones the windows ask for.
DEPENDS = ("libc6", "libqt6core6", "libqt6widgets6", "libqt6charts6",
           "libqt6datavisualization6", "fonts-liberation2", "fonts-ipafont-gothic",
           "fonts-ipafont-mincho", "fonts-comic-neue")


def run(*command, cwd=None):
    result = subprocess.run(command, cwd=cwd, capture_output=True, text=True, timeout=300)
    expect(result.returncode == 0,
           f"{' '.join(command)} failed:\n{result.stdout}{result.stderr}")
    return result.stdout


def make_package(cpack, build, folder, version):
    run(cpack, "-G", "DEB", "-B", folder, "--config", os.path.join(build, "CPackConfig.cmake"),
        cwd=build)
    architecture = run("dpkg", "--print-architecture").strip()
    packages = [name for name in os.listdir(folder) if name.endswith(".deb")]
    expect_equal(packages, [f"zephal_{version}_{architecture}.deb"], "the package made")
    return os.path.join(folder, packages[0]), architecture


def check_contents(package):
    files = {}
    for line in run("dpkg-deb", "-c", package).splitlines():
        mode, owner, _size, _date, _time, path = line.split(maxsplit=5)
        path = path.removeprefix("./")
        expect_equal(owner, "root/root", f"owner of {path}")
        if mode.startswith("d"):
            expect_equal(mode, "drwxr-xr-x", f"mode of {path}")
        else:
            files[path] = mode
    expect_equal(files, FILES, "the files of the package and their modes")


def control_fields(package):
    """The fields of the control file; a continued field keeps its lines."""
    fields, name = {}, None
    for line in run("dpkg-deb", "-I", package, "control").splitlines():
        if line.startswith(" ") and name:
            fields[name] += "\n" + line[1:]
        else:
            name, _, value = line.partition(":")
            fields[name] = value.strip()
    return fields


def check_control(package, version, architecture):
    fields = control_fields(package)
    for name, expected in (("Package", "zephal"), ("Version", version),
                           ("Architecture", architecture), ("Section", "math")):
        expect_equal(fields.get(name), expected, f"the field {name}")
    expect("<" in fields.get("Maintainer", ""), f"no maintainer address: {fields}")
    summary, _, long_description = fields.get("Description", "").partition("\n")
    expect(summary and long_description.strip(), f"short and long description: {fields}")
    depends = {d.split()[0] for d in fields.get("Depends", "").split(",") if d.strip()}
    missing = [p for p in DEPENDS if p not in depends]
    expect(not missing, f"Depends lacks {missing}: {fields.get('Depends')}")
    expect_equal(fields.get("Recommends"), "qt6-wayland", "the field Recommends")


def check_changelog(unpacked, version):
    with gzip.open(os.path.join(unpacked, CHANGELOG), "rt", encoding="utf-8") as f:
        first = f.readline()
    expect(first.startswith(f"zephal ({version}) "),
           f"the changelog's latest entry is not for version {version}: {first!r}")


def lint(package):
    result = subprocess.run(["lintian", "--fail-on", "error", package], capture_output=True,
                            text=True, timeout=300)
    print(result.stdout or "lintian: no tags", flush=True)
    expect(result.returncode == 0, f"lintian reports errors:\n{result.stdout}{result.stderr}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--data", required=True)
    args = parser.parse_args()
    data = os.path.abspath(args.data)

    def test(root):
        package, architecture = make_package(args.cpack, os.path.abspath(args.build),
                                             os.path.join(root, "made"), args.version)
        check_contents(package)
        check_control(package, args.version, architecture)
        lint(package)

        unpacked = os.path.join(root, "unpacked")
        run("dpkg-deb", "-x", package, unpacked)
        check_changelog(unpacked, args.version)
        command, working_folder = check_installation(os.path.join(unpacked, "usr"), data,
                                                     installed_as="/usr")
        # The entry names the installed paths; unpacked, they stand under the scratch folder.
        command = [unpacked + command[0]] + command[1:]
        expect_shipped_quantities(command, unpacked + working_folder, data,
                                  os.path.join(root, "elsewhere"))
        print(f"{os.path.basename(package)}: contents, fields and lintian as expected; "
              "the unpacked program starts from its desktop entry with the shipped data")
    return test_in_scratch_folder("package", test)


if __name__ == "__main__":
    sys.exit(main())
