# SPDX-License-Identifier: GPL-3.0-or-later
"""What a test sees of a weston compositor started by run_under_weston.sh: pictures of the
whole output, taken by weston's own screenshooter, and where the compositor placed each
window, read from its scene graph. Rectangles are (left, top, right, bottom), right and
bottom outside."""

import glob
import os
import re
import shutil
import subprocess
import tempfile

from desktop import Failure, run, wait_for

_VIEW = re.compile(r"top-level window '(.*)' of ")
_POSITION = re.compile(r"position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)")
_OPAQUE = re.compile(r"\[opaque: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)\]")


def screenshot(path):
    """A picture of the whole output, saved to path."""
    folder = tempfile.mkdtemp(prefix="zephal-shot-")
    try:
        subprocess.run(["weston-screenshooter"], cwd=folder, capture_output=True, timeout=60)
        shots = glob.glob(os.path.join(folder, "*.png"))
        if len(shots) != 1:
            raise Failure("weston-screenshooter saved no picture")
        shutil.move(shots[0], path)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    return path


def steady_screenshot(path):
    """A picture once two in a row are the same: every window is drawn in full."""
    previous = [None]

    def probe():
        shot = open(screenshot(path), "rb").read()
        same = shot == previous[0]
        previous[0] = shot
        return same
    wait_for("the screen to stop changing", probe)
    return path


def windows():
    """{title: (frame, client)}: the surface with the decoration the toolkit draws, and the
    opaque part of it, which is the window's own area."""
    text = run("weston-debug", "scene-graph")
    places = {}
    title = None
    for line in text.splitlines():
        view = _VIEW.search(line)
        if view:
            title = view.group(1)
            continue
        if title is None:
            continue
        position = _POSITION.search(line)
        if position:
            places[title] = [tuple(int(v) for v in position.groups()), None]
        opaque = _OPAQUE.search(line)
        if opaque and title in places:
            places[title][1] = tuple(int(v) for v in opaque.groups())
            title = None
    return {t: tuple(p) for t, p in places.items() if p[1] is not None}


class Picture:
    """The pixels of a PNG file, three bytes each."""

    def __init__(self, path):
        size = run("identify", "-format", "%w %h", path).split()
        self.width, self.height = int(size[0]), int(size[1])
        self.pixels = subprocess.run(["convert", path, "rgb:-"], capture_output=True,
                                     check=True, timeout=60).stdout

    def row(self, y, left=0, right=None):
        right = self.width if right is None else right
        start = (y * self.width + left) * 3
        return self.pixels[start:start + (right - left) * 3]

    def colours(self, rect):
        left, top, right, bottom = rect
        found = set()
        for y in range(top, bottom):
            line = self.row(y, left, right)
            found.update(line[i:i + 3] for i in range(0, len(line), 3))
        return found


def changed_outside(before, after, rect):
    """The points where the two pictures differ outside rect (at most a few)."""
    left, top, right, bottom = rect
    points = []
    for y in range(before.height):
        a, b = before.row(y), after.row(y)
        if a == b:
            continue
        for x in range(before.width):
            inside = left <= x < right and top <= y < bottom
            if not inside and a[3 * x:3 * x + 3] != b[3 * x:3 * x + 3]:
                points.append((x, y))
                if len(points) >= 5:
                    return points
    return points
