"""The program as a screen reader meets it: over the accessibility bus, driven by keys and clicks.

Checks that the windows are frames named by their titles, that labels follow their captions,
that a key on a focused scroll bar brings a description change carrying the outcome, that the
scan tells how many key-colour points it found, that a repeated outcome is told again, and that
F1 opens a help a screen reader can read. Prints 'N passed, N failed' at the end.
"""

import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
passes = 0


def check(condition, what):
    global passes
    if condition:
        passes += 1
        print("ok   " + what)
    else:
        failures.append(what)
        print("FAIL " + what)


def pump(seconds):
    """Lets the bus deliver events for a while."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(find, what, seconds=20):
    """Asks again and again until find() gives something, pumping events between tries."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # an object may vanish between two calls while a window is built
            found = None
        if found:
            return found
        pump(0.2)
    raise TimeoutError("waited in vain for " + what)


def children(accessible):
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            yield child


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in children(desktop) if a.name == "palettra"), None)


def windows():
    app = application()
    return {w.name: w for w in children(app)} if app else {}


def window(title):
    return wait_for(lambda: windows().get(title), "the window " + title)


def is_frame(accessible):
    return accessible.getRoleName() == "frame"


def control(parent, role, name):
    return wait_for(
        lambda: next((c for c in children(parent) if c.getRoleName() == role and c.name == name), None),
        role + " " + name,
    )


def help_box():
    app = application()
    return next((c for c in children(app) if c.name == "キーボード (keyboard)"), None) if app else None


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=10)


def click(accessible):
    x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")


class Descriptions:
    """Every description change the bus reports, registered before the test acts."""

    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(self.heard, "object:property-change:accessible-description")

    def heard(self, event):
        try:
            self.events.append((event.source.name, event.source.description))
        except Exception:
            pass

    def wait(self, name, pattern, seconds=20, times=1):
        """The description once the change has been heard `times` times, or None."""

        def matching():
            heard = [d for n, d in self.events if n == name and re.fullmatch(pattern, d)]
            return heard[-1] if len(heard) >= times else None

        try:
            return wait_for(matching, "a description change of " + name, seconds)
        except TimeoutError:
            return None


def bus_ready():
    return pyatspi.Registry.getDesktop(0) is not None


def stop(app):
    app.terminate()
    try:
        app.wait(timeout=10)
    except subprocess.TimeoutExpired:
        app.kill()
        app.wait()


def start(program, tries=3):
    """Starts the program and waits for its menu; a start that never reaches the bus is tried again."""
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    for _ in range(tries):
        app = subprocess.Popen([program], env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            return app, wait_for(lambda: windows().get("メニュー (menu)"), "the menu", seconds=15)
        except TimeoutError:
            stop(app)
    raise TimeoutError("waited in vain for the program on the accessibility bus")


def test(program):
    # The program looks for the accessibility bus once, at start: it has to be there first.
    wait_for(bus_ready, "the accessibility bus")
    descriptions = Descriptions()
    app, menu = start(program)
    try:
        check(is_frame(menu), "the menu is a frame named メニュー (menu)")

        click(control(menu, "push button", "RGB → 1677万色"))
        mixer = window("RGB → 1677万色")
        check(is_frame(mixer), "the mixer is a frame named by its title")

        red = control(mixer, "scroll bar", "赤 (Red)")
        click(red)  # a click on the track gives the focus and steps a page
        wait_for(lambda: red.getState().contains(pyatspi.STATE_FOCUSED), "the focus on the red bar")
        xdotool("key", "End")
        outcome = descriptions.wait("赤 (Red)", r"\(255,0,0\)、16進数 FF0000、赤 \(red\)")
        check(outcome is not None, "End on the focused red bar: a description change with the outcome")
        check(control(mixer, "label", "RGB = (255,0,0)") is not None, "the triple label follows its caption")
        check(control(mixer, "label", "FF0000") is not None, "the code label follows its caption")

        click(control(menu, "push button", "合成"))
        photo = window("Form4")  # the photo window's title is the one it was given, Form4
        check(is_frame(photo), "the photo window is a frame named by its title")
        scan = control(photo, "push button", "初期設定")
        click(scan)
        told = descriptions.wait("初期設定", r"キーの色の点 (\d+) 個 \(\d+ key-colour points\)", seconds=40)
        count = int(re.match(r"キーの色の点 (\d+)", told).group(1)) if told else 0
        check(count > 1000, "the scan tells how many key-colour points it found (%d)" % count)

        # The same outcome twice: the second press has to be heard as well.
        change = control(photo, "push button", "色 ちぇ～んじ")
        painted = r"%d 個の点を塗った \(painted %d points\)、\(\d+,\d+,\d+\)、.+" % (count, count)
        click(change)
        descriptions.wait("色 ちぇ～んじ", painted)
        click(change)
        check(
            descriptions.wait("色 ちぇ～んじ", painted, times=2) is not None,
            "a second colour change with the same outcome is told again",
        )

        xdotool("key", "F1")
        box = wait_for(help_box, "the keyboard help")
        texts = [c.name for c in children(box)]
        check(
            box.getRoleName() in ("alert", "dialog") and any("Escape closes this help" in t for t in texts),
            "F1 opens the window's keyboard help as a dialog a screen reader can read",
        )
        xdotool("key", "Escape")
        check(wait_for(lambda: help_box() is None, "the help to close", seconds=10), "Escape closes the help")
    finally:
        stop(app)


if __name__ == "__main__":
    try:
        test(sys.argv[1])
    except TimeoutError as error:
        failures.append(str(error))
        print("FAIL " + str(error))
    print("%d passed, %d failed" % (passes, len(failures)))
    sys.exit(1 if failures else 0)
