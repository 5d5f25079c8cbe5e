# SPDX-License-Identifier: GPL-3.0-or-later
"""An installation, started the way a desktop menu starts it:
    installed_entry_test.py --cmake CMAKE --build BUILD_FOLDER --data PATH/zephal.zep
Installs the build into a fresh prefix (with a blank in its path), checks what landed there,
then runs the desktop entry's command in the entry's working folder, from a process that sits
in another folder, and expects the main window with the quantities of the shipped file.
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


def check_installation(prefix, data, installed_as=None):
    """Checks what landed under prefix; installed_as is the prefix that the installation's own
    paths name, when it was put somewhere else (an unpacked package names /usr). Returns the
    command and working folder of the desktop entry, as the entry names them."""
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

    entry = desktop_entry(os.path.join(prefix, "share", "applications", "zephal.desktop"))
    expect_equal(entry.get("Type"), "Application", "Type=")
    expect_equal(entry.get("Icon"), "zephal", "Icon=")
    expect_equal(entry.get("Path"), os.path.join(installed_as, "share", "zephal"), "Path=")
    command = entry_command(entry.get("Exec", ""))
    expect_equal(command, [os.path.join(installed_as, "bin", "zephal")], "the command of Exec=")
    return command, entry.get("Path")


def expect_shipped_quantities(command, working_folder, data, elsewhere):
    """Starts the command in the working folder from a process that sits elsewhere, expects
    the main window with the tabs and first quantities of the data file, and closes it."""
    os.makedirs(elsewhere)
    os.chdir(elsewhere)
    program = None
    try:
        program = Program(command, working_folder)
        main_window = program.window("ZEPHAL : zephal.zep")
        tabs = data_file_tabs(data)
        expect_equal(shown_tabs(main_window), [name for name, _ in tabs], "tabs shown")
        expect_equal(shown_buttons(main_window), tabs[0][1], "quantities of the first tab")
        close("ZEPHAL : zephal.zep")
        expect_equal(program.wait_until_ended(), 0, "the program's exit status")
    finally:
        if program is not None:
            program.stop()
        os.chdir("/")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--data", required=True)
    args = parser.parse_args()
    data = os.path.abspath(args.data)

    def test(root):
        prefix = os.path.join(root, "installed zephal")
        install(args.cmake, os.path.abspath(args.build), prefix)
        command, working_folder = check_installation(prefix, data)
        # The launcher stands elsewhere; only the entry's working folder holds the data file.
        expect_shipped_quantities(command, working_folder, data, os.path.join(root, "elsewhere"))
        print("the installed program starts from its desktop entry with the shipped data")
    return test_in_scratch_folder("install", test)


if __name__ == "__main__":
    sys.exit(main())
