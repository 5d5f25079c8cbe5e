# SPDX-License-Identifier: GPL-3.0-or-later
"""Driving the built program from outside, as a user would: its windows are found through the
accessibility interface (AT-SPI), keys are typed and windows focused through the X server, and
pictures are taken of what is on the screen. Needs a display and a session bus of its own
(run_under_xvfb.sh gives both).

Every wait polls until a deadline rather than sleeping for a fixed time, so that a machine
under load is slower but not wrong.
"""

import argparse
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402
from Xlib import X, display  # noqa: E402
from Xlib.protocol import event  # noqa: E402

# Long enough for a two-core machine that runs other tests at the same time.
WAIT = float(os.environ.get("ZEPHAL_E2E_WAIT", "60"))
POLL = 0.05
# How long one call may take the program to answer; the library's own default is under a
# second once a program has run for a while, too short for a loaded machine.
CALL_TIMEOUT_MS = 20000
pyatspi.setTimeout(CALL_TIMEOUT_MS, -1)


class Failure(AssertionError):
    pass


def wait_for(what, probe, timeout=WAIT):
    """Polls probe() until it returns something other than None or False and returns that.
    A probe that raises counts as not yet: windows and their controls come and go."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = probe()
            if value is not None and value is not False:
                return value
        except (GLib.Error, LookupError, ValueError, AttributeError) as error:
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise Failure(f"gave up after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(POLL)


def test_in_scratch_folder(name, body):
    """Runs body(folder) in a scratch folder of its own, which goes afterwards, and returns the
    test's exit status: a Failure is reported and fails it."""
    folder = tempfile.mkdtemp(prefix=f"zephal-{name}-")
    try:
        body(folder)
        return 0
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def session_arguments():
    """--program, --data and, optionally, --pictures of a session test; the pictures' folder is
    made."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--pictures")
    args = parser.parse_args()
    args.program = os.path.abspath(args.program)
    if args.pictures:
        os.makedirs(args.pictures, exist_ok=True)
    return args


def report(failure, program):
    """Says why the test failed, and which windows the program showed then."""
    print(f"FAILED: {failure}", file=sys.stderr)
    if program is not None and program.alive():
        names = ", ".join(repr(w.name) for w in program.windows())
        print(f"windows shown then: {names}", file=sys.stderr)


def expect(condition, message):
    if not condition:
        raise Failure(message)


def expect_equal(actual, expected, what):
    if actual != expected:
        raise Failure(f"{what}: expected {expected!r}, got {actual!r}")


# ----------------------------------------------------------------------------------------
# The accessibility tree

def children(node):
    """The children that still exist; a closing window may report -1 of them."""
    try:
        count = node.childCount
    except GLib.Error:
        return []
    result = []
    for i in range(max(count, 0)):
        try:
            child = node.getChildAtIndex(i)
        except GLib.Error:
            continue
        if child is not None:
            result.append(child)
    return result


def role(node):
    return node.getRoleName()


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except GLib.Error:
        return False


def on_screen(node):
    """Shown and with a place on the screen. A hidden tab of a tab control still reports
    itself as showing, but has no rectangle."""
    if not showing(node):
        return False
    try:
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except (NotImplementedError, GLib.Error):
        return False
    return extents.width > 0 and extents.height > 0


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def descendants(node):
    stack = [node]
    while stack:
        current = stack.pop()
        yield current
        stack.extend(reversed(children(current)))


def find_all(root, role_name=None, name=None, only_showing=True):
    found = []
    for node in descendants(root):
        try:
            if role_name is not None and role(node) != role_name:
                continue
            if name is not None and node.name != name:
                continue
        except GLib.Error:
            continue
        if only_showing and not showing(node):
            continue
        found.append(node)
    return found


def find(root, role_name=None, name=None, only_showing=True):
    """The one control of that role and name; None while there is none."""
    found = find_all(root, role_name, name, only_showing)
    if len(found) > 1:
        raise Failure(f"{len(found)} controls with role {role_name!r} and name {name!r}")
    return found[0] if found else None


def text(node):
    return node.queryText().getText(0, -1)


def action(node, action_name):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action_name:
            actions.doAction(i)
            return
    raise Failure(f"{role(node)} {node.name!r} has no action {action_name!r}")


def press_opening_modal(node):
    """Presses a button that opens a modal dialog. The program answers the call only once the
    dialog has closed, so no answer within a second counts as done."""
    pyatspi.setTimeout(1000, -1)
    try:
        action(node, "Press")
    except GLib.Error:
        pass
    finally:
        pyatspi.setTimeout(CALL_TIMEOUT_MS, -1)


# ----------------------------------------------------------------------------------------
# The program

class Program:
    """The program started in a folder, with its windows and controls."""

    def __init__(self, command, folder, env=None):
        self.process = subprocess.Popen(command, cwd=folder, env=env)
        try:
            self.app = wait_for("the program on the accessibility bus", self._find_app)
        except Failure:
            self.stop()
            raise
        # Texts and states are read afresh each time, never from a cache of earlier answers.
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app.get_process_id() == self.process.pid and app.childCount > 0:
                return app
        return None

    def alive(self):
        return self.process.poll() is None

    def windows(self):
        return [w for w in children(self.app) if showing(w)]

    def window(self, name, timeout=WAIT):
        """The shown top-level window with that title."""
        def probe():
            expect(self.alive(), f"the program ended while waiting for the window {name!r}")
            matches = [w for w in self.windows() if w.name == name]
            return matches[0] if len(matches) == 1 else None
        return wait_for(f"the window {name!r}", probe, timeout)

    def no_window(self, name, timeout=WAIT):
        wait_for(f"the window {name!r} to close",
                 lambda: all(w.name != name for w in self.windows()), timeout)

    def wait_until_ended(self, timeout=WAIT):
        return wait_for("the program to end", self.process.poll, timeout) if self.alive() \
            else self.process.returncode

    def stop(self):
        """Ends the program if it is still running; only this process, by its id."""
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


# ----------------------------------------------------------------------------------------
# The X server: windows, keyboard, pictures and clipboard

def run(*command, check=True):
    result = subprocess.run(command, capture_output=True, text=True, timeout=WAIT)
    if check and result.returncode != 0:
        raise Failure(f"{' '.join(command)} failed: {result.stderr.strip()}")
    return result.stdout


def x_window(title, timeout=WAIT):
    """The X id of the one shown window with exactly that title."""
    pattern = "^" + "".join("\\" + c if not c.isalnum() and c != " " else c for c in title) + "$"

    def probe():
        ids = run("xdotool", "search", "--onlyvisible", "--name", pattern, check=False).split()
        return ids[0] if len(ids) == 1 else None
    return wait_for(f"the X window {title!r}", probe, timeout)


def focus(title):
    """Gives the window the keyboard focus; there is no window manager to do it on a click."""
    run("xdotool", "windowfocus", "--sync", x_window(title))


def keys(*names):
    run("xdotool", "key", "--clearmodifiers", "--delay", "30", *names)


def type_text(value):
    run("xdotool", "type", "--clearmodifiers", "--delay", "30", value)


def click(node):
    """A click of the left mouse button in the middle of the control."""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    expect(box.width > 0 and box.height > 0, f"{node.name!r} has no place on the screen")
    run("xdotool", "mousemove", str(box.x + box.width // 2),
        str(box.y + box.height // 2), "click", "1")


def move(title, x, y):
    run("xdotool", "windowmove", "--sync", x_window(title), str(x), str(y))


def screenshot(title, path):
    run("import", "-window", x_window(title), path)
    return path


def screenshot_around(nodes, path):
    """A picture of the part of the screen that holds every one of the controls or windows."""
    boxes = [n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for n in nodes]
    left, top = min(b.x for b in boxes), min(b.y for b in boxes)
    right = max(b.x + b.width for b in boxes)
    bottom = max(b.y + b.height for b in boxes)
    run("import", "-window", "root", "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
        "+repage", path)
    return path


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    expect(head[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is not a PNG file")
    return struct.unpack(">II", head[16:24])


def distinct_colours(path):
    return int(run("identify", "-format", "%k", path).strip())


def clipboard_text():
    """The clipboard as the program offers it in UTF-8, line ends untouched."""
    result = subprocess.run(["xclip", "-selection", "clipboard", "-o", "-t", "UTF8_STRING"],
                            capture_output=True, timeout=WAIT)
    return result.stdout.decode("utf-8") if result.returncode == 0 else None


def close(title):
    """Asks the window to close as a window manager's close box does (WM_DELETE_WINDOW)."""
    xid = int(x_window(title))
    screen = display.Display()
    try:
        window = screen.create_resource_object("window", xid)
        protocols = screen.intern_atom("WM_PROTOCOLS")
        delete = screen.intern_atom("WM_DELETE_WINDOW")
        expect(delete in (window.get_wm_protocols() or []),
               f"the window {title!r} does not take WM_DELETE_WINDOW")
        message = event.ClientMessage(window=window, client_type=protocols,
                                      data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=X.NoEventMask)
        screen.sync()
    finally:
        screen.close()

