"""Finding and working the program's windows over the accessibility bus, as a screen-reader user's
keys and clicks would: shared by the screen-reader test and tools/orca-speech."""

import subprocess
import time

import pyatspi
from gi.repository import GLib


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


def window(title, seconds=20):
    return wait_for(lambda: windows().get(title), "the window " + title, seconds)


def control(parent, name, role=None):
    """The child of parent with this name, and this role when one is given."""
    return wait_for(
        lambda: next((c for c in children(parent) if c.name == name and role in (None, c.getRoleName())), None),
        (role or "control") + " " + name,
    )


def anywhere(name):
    """A control of any of the program's windows, by its name."""

    def find():
        for frame in windows().values():
            found = next((c for c in children(frame) if c.name == name), None)
            if found:
                return found
        return None

    return wait_for(find, "a control named " + name)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=10)


def click(accessible):
    x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")
