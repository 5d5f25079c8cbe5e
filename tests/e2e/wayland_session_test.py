# SPDX-License-Identifier: GPL-3.0-or-later
"""A user's session with the built program on Wayland, end to end:
    wayland_session_test.py --program PATH --data PATH/zephal.zep [--pictures FOLDER]
Starts the program in a folder that holds the shipped data file, opens Length, enters -1 and
then 2.5, draws each in 2D and in 3D, opens the settings and the help, finds a unit from the
main window's find field, and ends the program. For each 3D chart it checks on a picture of
the whole output that nothing changed outside the chart window's frame when the 3D graph was
drawn, and that the chart's toolbar buttons are where the window says, drawn as before.
Run it through run_under_weston.sh: the compositor has no keyboard or pointer, so the program
is worked through the accessibility interface alone.
"""

import argparse
import os
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (Failure, Program, action, expect, expect_equal, find,  # noqa: E402
                     find_all, text, wait_for)
import pyatspi  # noqa: E402
from wayland import Picture, changed_outside, steady_screenshot, windows  # noqa: E402
from zephal_windows import data_file_tabs, shown_tabs  # noqa: E402

STARTED = time.monotonic()
MAIN = "ZEPHAL : zephal.zep"
TOOLBAR = ("2D Chart", "3D chart", "Logarithm Chart", "Individual Chart with Legend",
           "Chart setting")


def step(title):
    print(f"-- {time.monotonic() - STARTED:5.1f} s  {title}", flush=True)


def enter(window, value):
    """Types a value into the value box, as an on-screen keyboard or a screen reader would."""
    box = find(window, "text", "Convert value")
    box.queryEditableText().setTextContents(value)
    wait_for(f"the value {value} in the box", lambda: text(box) == value)


def chart_window(program, value):
    title = f"Length : {value} Metre (m)"
    return title, program.window(title)


def on_screen(client, node):
    """Where a control lies in the output: the compositor knows where the window is, the
    window where its control is."""
    box = node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    return (client[0] + box.x, client[1] + box.y, client[0] + box.x + box.width,
            client[1] + box.y + box.height)


def check_3d(program, chart, title, name, pictures, scratch):
    step(f"the chart of {name} values in 2D, then in 3D: nothing drawn beyond its window")
    action(find(chart, name="2D Chart"), "Press")
    flat = Picture(steady_screenshot(os.path.join(scratch, f"chart-2d-{name}.png")))
    action(find(chart, name="3D chart"), "Press")
    path = os.path.join(pictures or scratch, f"wayland-chart-3d-{name}.png")
    wait_for("the 3D graph drawn", lambda: len(Picture(steady_screenshot(path)).colours(
        windows()[title][1])) > 100)
    deep = Picture(steady_screenshot(path))
    places = windows()
    expect(title in places, f"the compositor shows no window {title!r}: {sorted(places)}")
    frame, client = places[title]
    outside = changed_outside(flat, deep, frame)
    expect(not outside, f"the 3D graph changed the screen outside the chart window {frame} at "
                        f"{outside}")
    for button in TOOLBAR:
        rect = on_screen(client, find(chart, name=button))
        expect(frame[0] <= rect[0] and rect[2] <= frame[2] and frame[1] <= rect[1]
               and rect[3] <= frame[3], f"the button {button!r} at {rect} is not in {frame}")
        colours = deep.colours(rect)
        expect(len(colours) >= 3, f"the button {button!r} at {rect} shows no icon")
        expect_equal(colours, flat.colours(rect), f"the button {button!r} in 2D and in 3D")
    expect(program.alive(), "the program still runs after the 3D chart")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--pictures")
    args = parser.parse_args()
    if args.pictures:
        os.makedirs(args.pictures, exist_ok=True)

    folder = tempfile.mkdtemp(prefix="zephal-wayland-")
    program = None
    try:
        shutil.copy(args.data, os.path.join(folder, "zephal.zep"))
        step("start on Wayland")
        program = Program([os.path.abspath(args.program)], folder)
        main_window = program.window(MAIN)
        expect_equal(shown_tabs(main_window), [n for n, _ in data_file_tabs(args.data)],
                     "tabs of the main window")
        if args.pictures:
            steady_screenshot(os.path.join(args.pictures, "wayland-main-window.png"))

        step("open Length and enter -1")
        action(find(main_window, "push button", "Length"), "Press")
        length = program.window("Length")
        enter(length, "-1")
        action(find(length, "push button", "Chart"), "Press")
        title, chart = chart_window(program, "-1")
        check_3d(program, chart, title, "negative", args.pictures, folder)

        step("enter 2.5: the chart follows")
        enter(length, "2.5")
        title, chart = chart_window(program, "2.5")
        check_3d(program, chart, title, "positive", args.pictures, folder)

        step("the settings open and close")
        action(find(main_window, "push button", "Setting"), "Press")
        setting = program.window("Setting")
        action(find(setting, "push button", "Close"), "Press")
        program.no_window("Setting")

        step("the help opens")
        action(find(main_window, "push button", "Help"), "Press")
        program.window("About")

        step("find 355 MPa from the main window")
        field = find(main_window, "text", "Find a unit or quantity")
        field.queryComponent().grabFocus()
        field.queryEditableText().setTextContents("355 MPa")
        matches = wait_for("the list of matches",
                           lambda: find(program.app, "list", "Matches"))
        first = wait_for("the matches", lambda: find_all(matches, "list item"))[0]
        expect_equal(first.name, "Stress / pressure / modulus \u2014 Megapascal (MPa)",
                     "the first match")

        # A compositor without a seat has no close box to press: the program is asked to end.
        step("end the program")
        program.stop()
        expect(not program.alive(), "the program still runs")
        step("passed")
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
