# SPDX-License-Identifier: GPL-3.0-or-later
"""The program under a dark colour scheme, end to end:
    dark_scheme_test.py --program PATH --data PATH/zephal.zep [--pictures FOLDER]
Starts the program as a KDE Plasma desktop with the Breeze Dark colours would (the scheme in
dark-scheme/kdeglobals, in a configuration folder of the test's own), and checks on pictures
that the text of every quantity button of the first tab, and the captions and unit symbols of
a conversion window, read on their colours: some pixel of each text differs from the colour
around it by a contrast ratio of at least 4.5:1. Run it through run_under_xvfb.sh.
"""

import argparse
import collections
import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (Failure, Program, action, expect, find, find_all, focus,  # noqa: E402
                     move, run, wait_for)
import pyatspi  # noqa: E402
from wayland import Picture  # noqa: E402
from zephal_windows import shown_buttons  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
MAIN = "ZEPHAL : zephal.zep"
CAPTIONS = ("Convert value", "Description unit", "Scale factor", "Results")


def luminance(pixel):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = pixel
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def text_contrast(picture, rect):
    """The most a pixel of the rectangle stands out from its commonest colour, the ground."""
    left, top, right, bottom = rect
    counts = collections.Counter()
    for y in range(top, bottom):
        line = picture.row(y, left, right)
        counts.update(line[i:i + 3] for i in range(0, len(line), 3))
    ground = counts.most_common(1)[0][0]
    return max(contrast(tuple(ground), tuple(p)) for p in counts)


def rect_of(node, inset=2):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (box.x + inset, box.y + inset, box.x + box.width - inset,
            box.y + box.height - inset)


def check_readable(picture, nodes, where):
    for node in nodes:
        ratio = text_contrast(picture, rect_of(node))
        expect(ratio >= 4.5, f"{where}: {node.name!r} reads at {ratio:.2f}:1 only")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--pictures")
    args = parser.parse_args()
    if args.pictures:
        os.makedirs(args.pictures, exist_ok=True)

    folder = tempfile.mkdtemp(prefix="zephal-dark-")
    program = None
    try:
        shutil.copy(args.data, os.path.join(folder, "zephal.zep"))
        config = os.path.join(folder, "config")
        os.makedirs(config)
        shutil.copy(os.path.join(HERE, "dark-scheme", "kdeglobals"), config)
        os.environ.update(XDG_CONFIG_HOME=config, XDG_CURRENT_DESKTOP="KDE",
                          KDE_SESSION_VERSION="5")
        program = Program([os.path.abspath(args.program)], folder)
        main_window = program.window(MAIN)
        scratch = args.pictures or folder

        names = shown_buttons(main_window)
        buttons = [find(main_window, "push button", n) for n in names]
        shot = os.path.join(scratch, "dark-main-window.png")
        wait_for("the main window drawn", lambda: run("import", "-window", "root", shot) == ""
                 and len(Picture(shot).colours(rect_of(buttons[0]))) > 2)
        check_readable(Picture(shot), buttons, "the main window")

        action(find(main_window, "push button", "Length"), "Press")
        length = program.window("Length")
        move("Length", 500, 0)
        focus("Length")  # the window takes its button's colour as it comes to the front
        labels = [find(length, "label", c) for c in CAPTIONS]
        labels += [n for n in find_all(length, "label") if n.name.startswith("Unit ")]
        shot = os.path.join(scratch, "dark-conversion-window.png")

        def coloured():
            run("import", "-window", "root", shot)
            return text_contrast(Picture(shot), rect_of(labels[0])) > 1.5 and \
                len(Picture(shot).colours(rect_of(labels[0]))) > 2
        wait_for("the conversion window drawn in its colour", coloured)
        check_readable(Picture(shot), labels, "the conversion window")
        print("passed")
        return 0
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        if program is not None:
            program.stop()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
