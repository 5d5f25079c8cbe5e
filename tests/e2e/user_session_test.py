# SPDX-License-Identifier: GPL-3.0-or-later
"""A user's session with the built program, end to end:
    user_session_test.py --program PATH --data PATH/zephal.zep [--pictures FOLDER]
Starts the program in a folder that holds the shipped data file, opens a conversion window,
types a value, reads every row, switches the unit, ticks and unticks rows, draws the chart in
2D and 3D, copies the results and reads the clipboard back, opens another data file through
the open-file dialog, and closes the main window, after which the program must have ended.
On the way, a value with its unit is found from the main window's find field, once in a unit
of the data file and once in a unit it lacks.
With --pictures, the main window, the conversion window, the chart in 3D and 2D and the find
field with its matches are saved there as PNG files (the pictures of the README come from here).
Run it through run_under_xvfb.sh, which gives it a screen and buses of its own.
"""

import argparse
import os
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (Failure, Program, action, checked,  # noqa: E402
                     click, clipboard_text, close, distinct_colours, expect, expect_equal, find,
                     find_all, focus, focused, keys, move, press_opening_modal, role, screenshot,
                     screenshot_around, text, type_text, wait_for)
from zephal_windows import data_file_tabs, shown_buttons, shown_tabs  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
STARTED = time.monotonic()

# The quantity opened, and what its rows must show: scale factor and value for 2.5 of the unit
# given. Each value is 2.5 times the factor ratio of the shipped file, rounded to 7 digits.
LENGTH_UNITS = ["Metre (m)", "Millimetre (mm)", "Centimetre (cm)", "Kilometre (km)",
                "Micrometre (μm)", "Inch (in)", "Foot (ft)", "Yard (yd)", "Mile (mi)",
                "Mil (mil)"]
ROWS_FOR_2_5_METRES = [("1", "2.5"), ("1000", "2500"), ("100", "250"), ("0.001", "0.0025"),
                       ("1000000", "2500000"), ("39.37008", "98.4252"), ("3.28084", "8.2021"),
                       ("1.093613", "2.734032"), ("0.0006213712", "0.001553428"),
                       ("39370.08", "98425.2")]
ROWS_FOR_2_5_FEET = [("0.3048", "0.762"), ("304.8", "762"), ("30.48", "76.2"),
                     ("0.0003048", "0.000762"), ("304800", "762000"), ("12", "30"),
                     ("1", "2.5"), ("0.3333332", "0.8333331"), ("0.0001893939", "0.0004734848"),
                     ("12000", "30000")]
MAIN = "ZEPHAL : zephal.zep"
CHART = "Length : 2.5 Foot (ft)"
FIND = "Find a unit or quantity"
STRESS = "Stress / pressure / modulus"


def step(title):
    print(f"-- {time.monotonic() - STARTED:5.1f} s  {title}", flush=True)


def rows(window, count):
    boxes = {box.name: box for box in find_all(window, "text")}
    return [(text(boxes[f"Scale {i}"]), text(boxes[f"Value {i}"])) for i in range(1, count + 1)]


def wait_rows(window, expected, what):
    def probe():
        return rows(window, len(expected)) == expected
    try:
        wait_for(what, probe)
    except Failure:
        got = rows(window, len(expected))
        bad = [f"row {i + 1}: expected {e}, got {g}"
               for i, (e, g) in enumerate(zip(expected, got)) if e != g]
        raise Failure(f"{what}: " + "; ".join(bad)) from None


def ticks(window):
    """Row number to ticked, for every row's chart tick box."""
    return {int(box.name.split()[1]): checked(box) for box in find_all(window, "check box")
            if box.name.startswith("Chart ")}


def steady_picture(title, path, take=None):
    """A picture of the window (or what `take` saves to path) once it has stopped changing: it
    is drawn in full."""
    previous = [None]

    def probe():
        shot = open(take() if take else screenshot(title, path), "rb").read()
        same = shot == previous[0]
        previous[0] = shot
        return same
    wait_for(f"the window {title!r} to be drawn", probe)
    return previous[0]


def start(args, folder):
    step("start in a folder holding the shipped data file")
    program = Program([args.program], folder)
    main = program.window(MAIN)
    expect_equal(role(main), "frame", "what the main window is to a screen reader")
    tabs = data_file_tabs(args.data)
    expect_equal(shown_tabs(main), [name for name, _ in tabs], "tabs of the main window")
    expect_equal(shown_buttons(main), tabs[0][1], "quantity buttons of the first tab")
    if args.pictures:
        steady_picture(MAIN, os.path.join(args.pictures, "main-window.png"))
    return program, main


def open_length(program, main):
    step("click the quantity button Length")
    action(find(main, "push button", "Length"), "Press")
    window = program.window("Length")
    expect_equal(role(window), "frame", "what a conversion window is to a screen reader")
    # There is no window manager to place it: out from over the main window, by hand.
    move("Length", 500, 0)
    combo = find(window, "combo box")
    expect_equal(combo.name, "Metre (m)", "the unit preselected")
    units = [item.name for item in find_all(combo, "list item", only_showing=False)]
    expect_equal(units, LENGTH_UNITS, "the unit list")
    expect_equal(sorted(ticks(window)), list(range(1, len(LENGTH_UNITS) + 1)),
                 "one row per unit")
    expect(all(ticks(window).values()), "every row ticked at first")
    expect_equal(text(find(window, "text", "Convert value")), "1", "the value a window opens with")
    return window


def type_value(window, pictures):
    step("type a value and read every row")
    focus("Length")
    value_box = find(window, "text", "Convert value")
    wait_for("the value box to hold the keyboard focus", lambda: focused(value_box))
    keys("ctrl+a")
    type_text("2.5")
    wait_rows(window, ROWS_FOR_2_5_METRES, "rows for 2.5 m")
    expect_equal(text(value_box), "2.5", "the value box keeps what was typed")
    if pictures:
        steady_picture("Length", os.path.join(pictures, "conversion-window.png"))


def switch_unit(window):
    step("switch the unit to feet with the keyboard")
    keys("Tab")
    combo = wait_for("the unit list to hold the focus",
                     lambda: next((c for c in find_all(window, "combo box") if focused(c)), None))
    keys("alt+Down")
    wait_for("the unit list to open", lambda: find(combo, "list") is not None)
    keys(*["Down"] * LENGTH_UNITS.index("Foot (ft)"), "Return")
    wait_for("the unit list to show Foot (ft)", lambda: combo.name == "Foot (ft)")
    wait_rows(window, ROWS_FOR_2_5_FEET, "rows for 2.5 ft")


def tick_rows(program, window, scratch):
    step("untick and tick a row: the chart window opens and follows the ticks")
    tick = find(window, "check box", "Chart 2")
    action(tick, "Toggle")
    wait_for("row 2 unticked", lambda: not checked(tick))
    chart = program.window(CHART)
    move(CHART, 500, 480)
    without_row_2 = steady_picture(CHART, os.path.join(scratch, "chart-9-rows.png"))
    action(tick, "Toggle")
    wait_for("row 2 ticked again", lambda: checked(tick))
    after = os.path.join(scratch, "chart-10-rows.png")
    wait_for("the chart to draw the row ticked again",
             lambda: open(screenshot(CHART, after), "rb").read() != without_row_2)
    expect(all(ticks(window).values()), "every row ticked again")
    return chart


def chart_2d_3d(program, chart, pictures, scratch):
    step("draw the chart in 3D, on a logarithmic scale, then in 2D")
    action(find(chart, name="3D chart"), "Press")
    wait_for("the 3D chart to draw", lambda: distinct_colours(
        screenshot(CHART, os.path.join(scratch, "chart-3d.png"))) > 100)
    # The shipped lengths span ten decades: on a logarithmic scale every bar can be seen.
    # The button is clicked with the mouse: the toolkit's accessible "Toggle" of a toolbar
    # button only changes how the button looks.
    log_button = find(chart, name="Logarithm Chart")
    click(log_button)
    wait_for("the logarithmic scale switched on", lambda: checked(log_button))
    time.sleep(1.0)  # a turn of the view, for a picture that shows depth
    shot = screenshot(CHART, os.path.join(pictures or scratch, "chart-3d.png"))
    expect(distinct_colours(shot) > 100, "the 3D chart draws bars, not an empty view")
    action(find(chart, name="2D Chart"), "Press")
    steady_picture(CHART, os.path.join(pictures or scratch, "chart-2d.png"))
    click(log_button)
    wait_for("the logarithmic scale switched off", lambda: not checked(log_button))
    expect(program.alive(), "the program still runs after the 3D chart")


def copy_results(window):
    step("copy the results and read the clipboard back")
    action(find(window, "push button", "Clipboard"), "Press")
    lines = ["1,Length"] + [f"{'3' if unit == 'Foot (ft)' else '2'},{unit},{value}"
                            for unit, (_, value) in zip(LENGTH_UNITS, ROWS_FOR_2_5_FEET)]
    expected = "".join(line + "\r\n" for line in lines)
    got = wait_for("the results on the clipboard", lambda: clipboard_text() or None)
    expect_equal(got, expected, "the clipboard text")


def type_in_find_field(program, main, typed):
    """Ctrl+F from the Length window, then the text: the list of matches and their names."""
    focus("Length")
    keys("ctrl+f")
    field = wait_for("the find field to hold the focus",
                     lambda: next((t for t in find_all(main, "text", FIND) if focused(t)), None))
    type_text(typed)
    wait_for("the typed text in the find field", lambda: text(field) == typed)
    matches = wait_for("the list of matches", lambda: find(program.app, "list", "Matches"))
    names = [item.name for item in wait_for("the matches", lambda: find_all(matches, "list item"))]
    return matches, names


def close_stress_window(program, length):
    close(STRESS)
    program.no_window(STRESS)
    focus("Length")
    wait_for("the value box to hold the keyboard focus again",
             lambda: focused(find(length, "text", "Convert value")))


def find_value_with_unit(program, main, length, pictures, scratch):
    step("Ctrl+F in a conversion window, type 355 MPa and Enter: the stress window opens")
    matches, names = type_in_find_field(program, main, "355 MPa")
    expect_equal(names[0], f"{STRESS} \u2014 Megapascal (MPa)", "the first match")
    picture = os.path.join(pictures or scratch, "find.png")
    steady_picture(MAIN, picture, lambda: screenshot_around([main, matches], picture))
    keys("Return")
    window = program.window(STRESS)
    expect(find(program.app, "list", "Matches") is None, "the list closes as the window opens")
    expect_equal(find(window, "combo box").name, "Megapascal (MPa)", "the unit selected")
    expect_equal(text(find(window, "text", "Convert value")), "355", "the value entered")
    ksi = 16
    wait_for("the ksi row", lambda: rows(window, ksi)[ksi - 1] == ("0.1450377", "51.48838"))
    close_stress_window(program, length)


def find_unit_the_file_lacks(program, main, length):
    step("Ctrl+F, type 355 N/cm2, pick the stress quantity: 3.55 in the MPa row")
    _, names = type_in_find_field(program, main, "355 N/cm2")
    stress = f"{STRESS} \u2014 355 N/cm\u00B2 = 3.55 MPa"
    expect(stress in names, f"the stress quantity among the matches {names}")
    keys(*["Down"] * names.index(stress), "Return")
    window = program.window(STRESS)
    expect_equal(find(window, "combo box").name, "Megapascal (MPa)", "the unit selected")
    value_box = find(window, "text", "Convert value")
    expect_equal(text(value_box), "3.55", "the value entered")
    expect_equal(value_box.description, "355 N/cm\u00B2 = 3.55 MPa", "how the value was read")
    mpa = 4
    wait_for("the MPa row", lambda: rows(window, mpa)[mpa - 1] == ("1", "3.55"))
    close_stress_window(program, length)


def open_other_file(program, main, path):
    step("open another data file through the open-file dialog")
    press_opening_modal(find(main, "push button", "Open"))
    dialog = wait_for("the open-file dialog", lambda: next(
        (w for w in program.windows() if w.name not in (MAIN, "Length", CHART)), None))
    focus(dialog.name)
    file_name = wait_for("the file name field to hold the focus",
                         lambda: next((t for t in find_all(dialog, "text") if focused(t)), None))
    keys("ctrl+a")
    type_text(path)
    wait_for("the typed path in the file name field", lambda: text(file_name) == path)
    # Enter may first only close the completion list that typing a path can bring up.
    for attempt in range(3):
        keys("Return")
        try:
            program.no_window(dialog.name, timeout=10)
            break
        except Failure:
            if attempt == 2:
                raise
    main = program.window("ZEPHAL : own_units.zep")
    tabs = data_file_tabs(path)
    expect_equal(shown_tabs(main), [name for name, _ in tabs], "tabs after opening the file")
    expect_equal(shown_buttons(main), tabs[0][1], "buttons of the first tab")

    # A window opened now converts with the units of the new file.
    action(find(main, "push button", "Point load"), "Press")
    window = program.window("Point load")
    wait_rows(window, [("1", "1"), ("0.2248089", "0.2248089")], "rows of Point load")
    # The window opened before keeps the units it was opened with.
    expect(program.window("Length") is not None, "the Length window stays open")


def close_main(program):
    step("close the main window: the program ends")
    close("ZEPHAL : own_units.zep")
    expect_equal(program.wait_until_ended(), 0, "the program's exit status")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--pictures")
    args = parser.parse_args()
    args.program = os.path.abspath(args.program)
    if args.pictures:
        os.makedirs(args.pictures, exist_ok=True)

    folder = tempfile.mkdtemp(prefix="zephal-e2e-")
    program = None
    try:
        shutil.copy(args.data, os.path.join(folder, "zephal.zep"))
        own = os.path.join(folder, "own units")  # a blank in the path, typed into the dialog
        os.makedirs(own)
        shutil.copy(os.path.join(HERE, "own_units.zep"), own)

        program, main_window = start(args, folder)
        window = open_length(program, main_window)
        type_value(window, args.pictures)
        find_value_with_unit(program, main_window, window, args.pictures, folder)
        find_unit_the_file_lacks(program, main_window, window)
        switch_unit(window)
        chart = tick_rows(program, window, folder)
        chart_2d_3d(program, chart, args.pictures, folder)
        copy_results(window)
        open_other_file(program, main_window, os.path.join(own, "own_units.zep"))
        close_main(program)
        step("passed")
        return 0
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        if program is not None and program.alive():
            names = ", ".join(repr(w.name) for w in program.windows())
            print(f"windows shown then: {names}", file=sys.stderr)
        return 1
    finally:
        if program is not None:
            program.stop()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
