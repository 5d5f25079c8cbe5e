# SPDX-License-Identifier: GPL-3.0-or-later
"""An installation, started the way a desktop menu starts it:
    installed_entry_test.py --cmake CMAKE --build BUILD_FOLDER --data PATH/zephal.zep
                            --app-id ID
Installs the build into a fresh prefix (with a blank in its path), checks what landed there,
then runs the desktop entry's command from an empty folder, with the user's and the system's
data folders empty too, and expects the main window with the quantities of the shipped file,
which the program can then only have found beside itself.
Run it through run_under_xvfb.sh, which gives it a screen and buses of its own.
"""

import argparse
import configparser
import filecmp
import os
import shlex
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (Program, close, expect, expect_equal, png_size,  # noqa: E402
                     test_in_scratch_folder)
from zephal_windows import data_file_tabs, shown_buttons, shown_tabs  # noqa: E402

ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def install(cmake, build, prefix):
    result = subprocess.run([cmake, "--install", build, "--prefix", prefix],
                            capture_output=True, text=True, timeout=300)
    expect(result.returncode == 0, f"cmake --install failed:\n{result.stdout}{result.stderr}")


def desktop_entry(path):
    result = subprocess.run(["desktop-file-validate", path], capture_output=True, text=True)
    expect(result.returncode == 0 and not result.stdout.strip(),
           f"the desktop entry does not validate: {result.stdout}{result.stderr}")
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str  # keys are case-sensitive
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"]


def entry_command(exec_value):
    """The arguments of an Exec= value: the string's own escapes first, then the quoting of
    the command line, which follows the shell's double quotes."""
    unescaped = exec_value.replace("\\\\", "\\")
    expect("%" not in unescaped.replace("%%", ""), f"a field code in Exec={exec_value}")
    return shlex.split(unescaped.replace("%%", "%"))


def check_installation(prefix, data, app_id, installed_as=None):
    """Checks what landed under prefix; installed_as is the prefix that the installation's own
    paths name, when it was put somewhere else (an unpacked package names /usr). Returns the
    command of the desktop entry, as the entry names it."""
    installed_as = installed_as or prefix
    program = os.path.join(prefix, "bin", "zephal")
    expect(os.access(program, os.X_OK), f"{program} is not an installed program")
    installed_data = os.path.join(prefix, "share", "zephal", "zephal.zep")
    expect(os.path.isfile(installed_data) and filecmp.cmp(installed_data, data, shallow=False),
           f"{installed_data} is not the shipped data file")
    for size in ICON_SIZES:
        icon = os.path.join(prefix, "share", "icons", "hicolor", f"{size}x{size}", "apps",
                            "zephal.png")
        expect(os.path.isfile(icon), f"no icon {icon}")
        expect_equal(png_size(icon), (size, size), f"pixel size of {icon}")
    metainfo = os.path.join(prefix, "share", "metainfo", f"{app_id}.metainfo.xml")
    expect(os.path.isfile(metainfo), f"no AppStream entry {metainfo}")

    entry = desktop_entry(os.path.join(prefix, "share", "applications", f"{app_id}.desktop"))
    expect_equal(entry.get("Type"), "Application", "Type=")
    expect_equal(entry.get("Icon"), "zephal", "Icon=")
    # No working folder: a user's own data file must be able to come before the shipped one.
    expect_equal(entry.get("Path"), None, "Path=")
    command = entry_command(entry.get("Exec", ""))
    expect_equal(command, [os.path.join(installed_as, "bin", "zephal")], "the command of Exec=")
    return command


def expect_shipped_quantities(command, data, root, data_dirs):
    """Starts the command in an empty folder, with an empty folder for the user's data and
    data_dirs for the system's, expects the main window with the tabs and first quantities of
    the data file, and closes it."""
    empty, user_data = os.path.join(root, "empty"), os.path.join(root, "user data")
    os.makedirs(empty)
    os.makedirs(user_data)
    env = dict(os.environ, XDG_DATA_HOME=user_data, XDG_DATA_DIRS=data_dirs)
    program = None
    try:
        program = Program(command, empty, env)
        main_window = program.window("ZEPHAL : zephal.zep")
        tabs = data_file_tabs(data)
        expect_equal(shown_tabs(main_window), [name for name, _ in tabs], "tabs shown")
        expect_equal(shown_buttons(main_window), tabs[0][1], "quantities of the first tab")
        close("ZEPHAL : zephal.zep")
        expect_equal(program.wait_until_ended(), 0, "the program's exit status")
    finally:
        if program is not None:
            program.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--app-id", required=True)
    args = parser.parse_args()
    data = os.path.abspath(args.data)

    def test(root):
        prefix = os.path.join(root, "installed zephal")
        install(args.cmake, os.path.abspath(args.build), prefix)
        command = check_installation(prefix, data, args.app_id)
        # The system's data folders hold nothing either: only ../share/zephal beside the
        # program has the file.
        no_data = os.path.join(root, "no data")
        os.makedirs(no_data)
        expect_shipped_quantities(command, data, root, no_data)
        print("the installed program, started from an empty folder, finds the shipped data")
    return test_in_scratch_folder("install", test)


if __name__ == "__main__":
    sys.exit(main())
