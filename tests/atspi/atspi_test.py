"""The program as a screen reader meets it: over the accessibility bus, driven by keys and clicks.

The tool starts to listen late: the program runs, and a window is opened and changed, before the
accessibility bus exists. Then checks that every open window describes itself as it stands, that
windows are frames named by their titles and labels follow their captions, that each action
brings a notification carrying its outcome, a repeated outcome included, that a bar describes the
colour now after another bar changed it, and that F1 opens a help a screen reader can read.
Prints 'N passed, N failed' at the end.
"""

import os
import re
import subprocess
import sys

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


def key(name):
    subprocess.run(["xdotool", "key", name], check=True, timeout=10)


def focus_x_window(title):
    """Waits for the window to be on screen and gives it the keyboard, with nothing but X to ask."""
    pattern = "^" + re.escape(title) + "$"
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", pattern, "windowfocus", "--sync"],
        check=True, timeout=20, stdout=subprocess.DEVNULL)


def start_listening_late(program):
    """Opens the mixer and moves its red bar to the end with nobody listening, then starts the accessibility
    bus switched on, as a screen reader that comes later does. pyatspi asks for the bus as soon as it is
    imported, which would start one switched off, so it comes last."""
    app = subprocess.Popen([program], env=dict(os.environ, QT_QPA_PLATFORM="xcb"),
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    focus_x_window("\u200b")  # the menu's title bar is kept empty
    key("space")  # the menu opens with the mixer's button focused
    focus_x_window("RGB → 1677万色")
    key("End")  # the window opens with the red bar focused
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately", "--a11y=1"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    global bus
    import atspi_drive as bus
    return app, launcher


class Notifications:
    """The text of every notification that becomes showing, as Orca speaks it."""

    def __init__(self):
        self.heard = []
        bus.pyatspi.Registry.registerEventListener(self.shown, "object:state-changed:showing")

    def shown(self, event):
        try:
            if event.detail1 and event.source.getRoleName() == "notification":
                self.heard.append(event.source.name)
        except Exception:
            pass

    def wait(self, pattern, seconds=20, times=1):
        """The last matching text once `times` notifications matched, or None."""

        def matching():
            found = [text for text in self.heard if re.fullmatch(pattern, text)]
            return found[-1] if len(found) >= times else None

        try:
            return bus.wait_for(matching, "a notification " + pattern, seconds)
        except TimeoutError:
            return None


def stop(process):
    process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def help_box():
    app = bus.application()
    return next((c for c in bus.children(app) if c.name == "キーボード (keyboard)"), None) if app else None


def test(program):
    app, launcher = start_listening_late(program)
    try:
        menu = bus.window("メニュー (menu)", seconds=40)
        check(menu.getRoleName() == "frame", "the menu is a frame named メニュー (menu)")
        mixer = bus.window("RGB → 1677万色")
        check(mixer.getRoleName() == "frame", "the mixer is a frame named by its title")
        red = bus.control(mixer, "赤 (Red)", "scroll bar")
        check(
            red.description == "赤の強さ 0～255 (red channel, 0 to 255)、(255,0,0)、16進数 FF0000、赤 (red)",
            "a tool that comes later finds the red bar describing the colour set before it came",
        )
        check(bus.control(mixer, "RGB = (255,0,0)", "label") is not None, "the triple label follows its caption")
        check(bus.control(mixer, "FF0000", "label") is not None, "the code label follows its caption")

        notifications = Notifications()
        key("Home")
        check(
            notifications.wait(r"\(0,0,0\)、16進数 000000、黒 \(black\)") is not None,
            "Home on the focused red bar: a notification with the outcome",
        )
        blue = bus.control(mixer, "青 (Blue)", "scroll bar")
        bus.click(blue)  # a click on the track gives the focus and steps a page
        bus.wait_for(lambda: blue.getState().contains(bus.pyatspi.STATE_FOCUSED), "the focus on the blue bar")
        key("End")
        check(
            notifications.wait(r"\(0,0,255\)、16進数 0000FF、青 \(blue\)") is not None,
            "End on the blue bar: a notification with the outcome",
        )
        check(
            red.description == "赤の強さ 0～255 (red channel, 0 to 255)、(0,0,255)、16進数 0000FF、青 (blue)",
            "after the blue bar changed, the red bar describes the colour now",
        )

        bus.click(bus.control(menu, "合成", "push button"))
        photo = bus.window("Form4")  # the photo window's title is the one it was given, Form4
        check(photo.getRoleName() == "frame", "the photo window is a frame named by its title")
        check(
            bus.control(photo, "実験装置の絵 (apparatus picture)").getRoleName() == "image", "the photo is an image"
        )
        bus.click(bus.control(photo, "初期設定", "push button"))
        told = notifications.wait(r"キーの色の点 (\d+) 個 \(\d+ key-colour points\)", seconds=40)
        count = int(re.match(r"キーの色の点 (\d+)", told).group(1)) if told else 0
        check(count > 1000, "the scan tells how many key-colour points it found (%d)" % count)

        # The same outcome twice: the second press has to be heard as well.
        change = bus.control(photo, "色 ちぇ～んじ", "push button")
        painted = r"%d 個の点を塗った \(painted %d points\)、\(\d+,\d+,\d+\)、.+" % (count, count)
        bus.click(change)
        notifications.wait(painted)
        bus.click(change)
        check(
            notifications.wait(painted, times=2) is not None,
            "a second colour change with the same outcome is told again",
        )

        key("F1")
        box = bus.wait_for(help_box, "the keyboard help")
        texts = [c.name for c in bus.children(box)]
        check(
            box.getRoleName() in ("alert", "dialog") and any("Escape closes this help" in t for t in texts),
            "F1 opens the window's keyboard help as a dialog a screen reader can read",
        )
        key("Escape")
        check(bus.wait_for(lambda: help_box() is None, "the help to close", seconds=10), "Escape closes the help")
    finally:
        stop(app)
        stop(launcher)


if __name__ == "__main__":
    try:
        test(sys.argv[1])
    except (TimeoutError, subprocess.SubprocessError) as error:
        failures.append(str(error))
        print("FAIL " + str(error))
    print("%d passed, %d failed" % (passes, len(failures)))
    sys.exit(1 if failures else 0)
