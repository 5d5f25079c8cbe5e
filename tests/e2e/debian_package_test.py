# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package, made and started as a user would start it once installed:
    debian_package_test.py --cpack CPACK --build BUILD_FOLDER --version VERSION
                           --data PATH/zephal.zep --app-id ID --source SOURCE_FOLDER
Makes the package from the build with CPack, checks its file name, its contents with their
owners, modes and dates (the last commit's), its control fields and its changelog, has lintian
check it against Debian's policy (no error or warning, and a hardened program), and appstreamcli
its AppStream entry (no error or warning). Then, installing nothing, it unpacks the package into
a scratch folder and starts the unpacked program by its desktop entry's command from an empty
folder, the system's data folders being the unpacked ones, and expects the main window with
the quantities of the shipped file.
Run it through run_under_xvfb.sh, which gives it a screen and buses of its own.
"""

import argparse
import gzip
import io
import os
import subprocess
import sys
import tarfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import expect, expect_equal, test_in_scratch_folder  # noqa: E402
from installed_entry_test import (ICON_SIZES, check_installation,  # noqa: E402
                                  expect_shipped_quantities)

# Every file of the package with its mode; folders are all rwxr-xr-x, everything root's.
PROGRAM, DATA = "-rwxr-xr-x", "-rw-r--r--"
CHANGELOG = "usr/share/doc/zephal/changelog.gz"


def package_files(app_id):
    return {
        "usr/bin/zephal": PROGRAM,
        "usr/share/zephal/zephal.zep": DATA,
        f"usr/share/applications/{app_id}.desktop": DATA,
        f"usr/share/metainfo/{app_id}.metainfo.xml": DATA,
        "usr/share/man/man1/zephal.1.gz": DATA,
        "usr/share/doc/zephal/copyright": DATA,
        CHANGELOG: DATA,
        **{f"usr/share/icons/hicolor/{n}x{n}/apps/zephal.png": DATA for n in ICON_SIZES},
    }


# Packages that must be among the dependencies: libraries that only dpkg-shlibdeps finds; the
# fonts that stand in for the ones the windows ask for, and Qt's Wayland plugin, are recommended
# only.
DEPENDS = ("libc6", "libqt6core6", "libqt6widgets6", "libqt6charts6",
           "libqt6datavisualization6")
RECOMMENDS = ("fonts-liberation2", "fonts-ipafont-gothic", "fonts-ipafont-mincho",
              "fonts-comic-neue", "qt6-wayland")
# What lintian may not say of a hardened program, though it says it only as information.
NOT_HARDENED = ("hardening-no-bindnow", "hardening-no-fortify-functions")


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


def check_contents(package, app_id):
    files = {}
    for line in run("dpkg-deb", "-c", package).splitlines():
        mode, owner, _size, _date, _time, path = line.split(maxsplit=5)
        path = path.removeprefix("./")
        expect_equal(owner, "root/root", f"owner of {path}")
        if mode.startswith("d"):
            expect_equal(mode, "drwxr-xr-x", f"mode of {path}")
        else:
            files[path] = mode
    expect_equal(files, package_files(app_id), "the files of the package and their modes")


def last_commit_time(source):
    """What the package's files are dated by: the last commit, or without a git history the
    changelog's latest entry."""
    result = subprocess.run(["git", "-C", source, "log", "-1", "--format=%ct"],
                            capture_output=True, text=True)
    if result.returncode == 0 and result.stdout.strip().isdigit():
        return int(result.stdout)
    return int(run("dpkg-parsechangelog", "-l", os.path.join(source, "data", "changelog"),
                   "-STimestamp"))


def check_dates(package, source):
    archive = subprocess.run(["dpkg-deb", "--fsys-tarfile", package], capture_output=True,
                             check=True, timeout=300).stdout
    with tarfile.open(fileobj=io.BytesIO(archive)) as tar:
        dates = {member.name: int(member.mtime) for member in tar.getmembers()}
    expected = last_commit_time(source)
    wrong = {name: date for name, date in dates.items() if date != expected}
    expect(not wrong, f"files not dated by the last commit ({expected}): {wrong}")


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
    for field, expected in (("Depends", DEPENDS), ("Recommends", RECOMMENDS)):
        listed = {d.split()[0] for d in fields.get(field, "").split(",") if d.strip()}
        missing = [p for p in expected if p not in listed]
        expect(not missing, f"{field} lacks {missing}: {fields.get(field)}")
    depends = fields.get("Depends", "")
    expect(not any(p in depends for p in RECOMMENDS), f"a recommended package in Depends: {depends}")


def check_changelog(unpacked, version):
    with gzip.open(os.path.join(unpacked, CHANGELOG), "rt", encoding="utf-8") as f:
        first = f.readline()
    expect(first.startswith(f"zephal ({version}) "),
           f"the changelog's latest entry is not for version {version}: {first!r}")


def lint(package):
    result = subprocess.run(["lintian", "-I", "--pedantic", "--fail-on", "error,warning",
                             package], capture_output=True, text=True, timeout=300)
    print(result.stdout or "lintian: no tags", flush=True)
    expect(result.returncode == 0,
           f"lintian reports errors or warnings:\n{result.stdout}{result.stderr}")
    said = [tag for tag in NOT_HARDENED if tag in result.stdout]
    expect(not said, f"lintian finds the program not hardened: {said}")


def validate_metainfo(path):
    result = subprocess.run(["appstreamcli", "validate", "--no-net", path],
                            capture_output=True, text=True, timeout=300)
    print(result.stdout, flush=True)
    issues = [line for line in result.stdout.splitlines() if line[:2] in ("E:", "W:")]
    expect(result.returncode == 0 and not issues,
           f"appstreamcli finds errors or warnings:\n{result.stdout}{result.stderr}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--app-id", required=True)
    parser.add_argument("--source", required=True)
    args = parser.parse_args()
    data = os.path.abspath(args.data)

    def test(root):
        package, architecture = make_package(args.cpack, os.path.abspath(args.build),
                                             os.path.join(root, "made"), args.version)
        check_contents(package, args.app_id)
        check_dates(package, args.source)
        check_control(package, args.version, architecture)
        lint(package)

        unpacked = os.path.join(root, "unpacked")
        run("dpkg-deb", "-x", package, unpacked)
        check_changelog(unpacked, args.version)
        usr = os.path.join(unpacked, "usr")
        command = check_installation(usr, data, args.app_id, installed_as="/usr")
        validate_metainfo(os.path.join(usr, "share", "metainfo", f"{args.app_id}.metainfo.xml"))
        # The entry names the installed paths; unpacked, they stand under the scratch folder.
        command = [unpacked + command[0]] + command[1:]
        expect_shipped_quantities(command, data, root, os.path.join(usr, "share"))
        print(f"{os.path.basename(package)}: contents, dates, fields, lintian and appstreamcli "
              "as expected; the unpacked program finds the shipped data from an empty folder")
    return test_in_scratch_folder("package", test)


if __name__ == "__main__":
    sys.exit(main())
