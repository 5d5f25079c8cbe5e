# SPDX-License-Identifier: GPL-3.0-or-later
"""What the program's main window shows, read through the accessibility interface, and what
it should show for a data file, read from the file as a person would."""

from desktop import find, find_all, on_screen, wait_for

TOOLBAR_BUTTONS = ("Open", "Setting", "Help")


def data_file_tabs(path):
    """[(tab title, [quantity, ...]), ...] of a unit data file."""
    tabs = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if not line or "#" in line or "'" in line:
                continue
            kind, name = line.split(",")[:2]
            if kind == "0":
                tabs.append((name, []))
            elif kind == "1":
                tabs[-1][1].append(name)
    return tabs


def shown_tabs(main):
    tab_list = wait_for("the tab control", lambda: find(main, "page tab list"))
    return [t.name for t in find_all(tab_list, "page tab") if on_screen(t)]


def shown_buttons(main):
    """The quantity buttons of the page shown, from top to bottom."""
    tab_list = find(main, "page tab list")
    scrollers = {b.name for b in find_all(tab_list, "push button", only_showing=False)}
    buttons = [b for b in find_all(main, "push button")
               if b.name not in TOOLBAR_BUTTONS and b.name not in scrollers]
    return [b.name for b in sorted(buttons, key=lambda b: b.queryComponent().getExtents(0).y)]
