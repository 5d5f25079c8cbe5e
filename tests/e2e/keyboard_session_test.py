# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole session with the keyboard alone, end to end:
    keyboard_session_test.py --program PATH --data PATH/zephal.zep [--pictures FOLDER]
With a window manager on the virtual screen, as a user's desktop has one, so that each new
window takes the keyboard; no key is sent to a chosen window and nothing is clicked. The
program is started, the help window opened from its toolbar button by Tab and Space and closed
with Esc, the command display settings opened with Ctrl+, and closed with Esc, a quantity opened
from its button, a value typed, the unit changed, the value stepped on the step bar, the table
copied, the chart shown, switched to 3D and to the logarithmic scale, and the program ended with
the window manager's Alt+F4. Every step is checked over the accessibility interface.
With --pictures, a focused quantity button and a focused step bar are saved there.
Run it through run_under_xvfb.sh, which gives it a screen and buses of its own.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (Failure, Program, checked, clipboard_text, distinct_colours,  # noqa: E402
                     expect, expect_equal, find, find_all, focused, keys, role,
                     report, screenshot, screenshot_around, session_arguments, text,
                     type_text, wait_for)
from Xlib import display  # noqa: E402

STARTED = time.monotonic()
MAIN = "ZEPHAL : zephal.zep"
LENGTH_UNITS = ["Metre (m)", "Millimetre (mm)", "Centimetre (cm)", "Kilometre (km)",
                "Micrometre (μm)", "Inch (in)", "Foot (ft)", "Yard (yd)", "Mile (mi)",
                "Mil (mil)"]
VALUES_FOR_2_5_FEET = ["0.762", "762", "76.2", "0.000762", "762000", "30", "2.5", "0.8333331",
                       "0.0004734848", "30000"]
CHART = "Length : 2.5 Foot (ft)"


def step(title):
    print(f"-- {time.monotonic() - STARTED:5.1f} s  {title}", flush=True)


def start_window_manager():
    """openbox on the virtual screen, once it has taken the screen over."""
    manager = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def managing():
        screen = display.Display()
        try:
            root = screen.screen().root
            check = root.get_full_property(screen.intern_atom("_NET_SUPPORTING_WM_CHECK"), 0)
            return check is not None
        finally:
            screen.close()
    wait_for("the window manager", managing)
    return manager


def focus_in(window):
    """The control of the window that holds the keyboard focus. A tab control says it has the
    focus its tab bar holds, and the current tab keeps saying so after the bar lost it: the tab
    bar counts only while it says so itself."""
    holding = [n for n in find_all(window, None) if focused(n) and n is not window]
    tabs = [n for n in holding if role(n) == "page tab list"]
    if tabs:
        return tabs[0]
    controls = [n for n in holding if role(n) not in ("page tab", "filler")]
    return controls[-1] if controls else None


def wait_focus(window, what, test):
    return wait_for(what, lambda: (lambda n: n if n is not None and test(n) else None)(
        focus_in(window)))


def values(window):
    boxes = find_all(window, "text")
    return {b.name[len("Value in "):]: text(b) for b in boxes if b.name.startswith("Value in ")}


def help_and_settings(program, main):
    step("Shift+Tab twice from the tabs to the help button, Space: the help window")
    wait_focus(main, "the keyboard on the tabs", lambda n: role(n) == "page tab list")
    keys("shift+Tab", "shift+Tab")
    wait_focus(main, "the help button in focus", lambda n: n.name == "Help")
    keys("space")
    about = program.window("About")
    wait_focus(about, "the keyboard in the help window", lambda n: True)
    keys("Escape")
    program.no_window("About")

    step("Ctrl+, : the command display settings; Esc closes them")
    wait_focus(main, "the keyboard back on the help button",
               lambda n: n.name == "Help")
    keys("ctrl+comma")
    settings = program.window("Setting")
    wait_focus(settings, "the keyboard in the settings", lambda n: True)
    keys("Escape")
    program.no_window("Setting")


def open_length(program, main, pictures):
    step("Tab twice to the tabs and once more to Length, Space: its conversion window")
    wait_focus(main, "the keyboard back on the help button", lambda n: n.name == "Help")
    keys("Tab", "Tab", "Tab")
    button = wait_focus(main, "the Length button in focus", lambda n: n.name == "Length")
    expect_equal(role(button), "push button", "what holds the focus")
    if pictures:
        time.sleep(0.3)
        screenshot_around([button, find(main, "push button", "Area")],
                          os.path.join(pictures, "focused-quantity-button.png"))
    keys("space")
    window = program.window("Length")
    wait_focus(window, "the value box in focus", lambda n: n.name == "Convert value")
    return window


def type_and_change_unit(window, pictures):
    step("type 2.5, Tab to the unit list, Down to feet")
    keys("ctrl+a")
    type_text("2.5")
    wait_for("2.5 m in millimetres", lambda: values(window).get("mm") == "2500")
    keys("Tab")
    combo = wait_focus(window, "the unit list in focus", lambda n: role(n) == "combo box")
    keys(*["Down"] * LENGTH_UNITS.index("Foot (ft)"))
    wait_for("the unit list on Foot (ft)", lambda: combo.name == "Foot (ft)")
    wait_for("2.5 ft in every unit", lambda: [values(window).get(u[u.index("(") + 1:-1])
                                              for u in LENGTH_UNITS] == VALUES_FOR_2_5_FEET)

    step("Tab to the step bar: Right steps up by one, Left back")
    keys("Tab")
    bar = wait_focus(window, "the step bar in focus", lambda n: role(n) == "scroll bar")
    expect_equal(bar.name, "Change covert value", "the step bar's name")
    if pictures:
        time.sleep(0.3)
        screenshot_around([bar, find(window, "label", "Change covert value"),
                           find(window, "text", "Step")],
                          os.path.join(pictures, "focused-step-bar.png"))
    value_box = find(window, "text", "Convert value")
    keys("Right")
    wait_for("3.5 in the value box", lambda: text(value_box) == "3.5")
    keys("Left")
    wait_for("2.5 in the value box", lambda: text(value_box) == "2.5")


def copy_and_chart(program, window, scratch):
    step("Ctrl+Shift+C copies the table")
    keys("ctrl+shift+c")
    lines = ["1,Length"] + [f"{'3' if unit == 'Foot (ft)' else '2'},{unit},{value}"
                            for unit, value in zip(LENGTH_UNITS, VALUES_FOR_2_5_FEET)]
    expected = "".join(line + "\r\n" for line in lines)
    wait_for("the table on the clipboard", lambda: clipboard_text() == expected)

    step("Ctrl+G shows the chart, Ctrl+3 draws it in 3D, Ctrl+K on a logarithmic scale")
    keys("ctrl+g")
    chart = program.window(CHART)
    wait_focus(chart, "the keyboard in the chart window", lambda n: True)
    flat = distinct_colours(screenshot(CHART, os.path.join(scratch, "chart-2d.png")))
    keys("ctrl+3")
    wait_for("the 3D chart drawn", lambda: distinct_colours(
        screenshot(CHART, os.path.join(scratch, "chart-3d.png"))) > max(flat, 100))
    log_button = find(chart, name="Logarithm Chart")
    expect("(Ctrl+K)" in log_button.description, f"the key in {log_button.description!r}")
    expect(not checked(log_button), "the logarithmic scale off at first")
    keys("ctrl+k")
    wait_for("the logarithmic scale switched on", lambda: checked(log_button))
    expect(program.alive(), "the program still runs after the 3D chart")


def end(program):
    step("Alt+F4 in the chart window, then in the Length window and the main window")
    for title in (CHART, "Length"):
        keys("alt+F4")
        program.no_window(title)
    main = program.window(MAIN)
    wait_focus(main, "the keyboard back in the main window", lambda n: True)
    keys("alt+F4")
    expect_equal(program.wait_until_ended(), 0, "the program's exit status")


def main():
    args = session_arguments()

    folder = tempfile.mkdtemp(prefix="zephal-keys-")
    program = manager = None
    try:
        shutil.copy(args.data, os.path.join(folder, "zephal.zep"))
        manager = start_window_manager()
        step("start: the main window takes the keyboard")
        program = Program([os.path.abspath(args.program)], folder)
        main_window = program.window(MAIN)
        help_and_settings(program, main_window)
        length = open_length(program, main_window, args.pictures)
        type_and_change_unit(length, args.pictures)
        copy_and_chart(program, length, folder)
        end(program)
        step("passed")
        return 0
    except Failure as failure:
        report(failure, program)
        return 1
    finally:
        if program is not None:
            program.stop()
        if manager is not None:
            manager.terminate()
            manager.wait(10)
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
