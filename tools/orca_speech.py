"""What Orca says while the program is worked from the keyboard and the mouse.

Run by tools/orca-speech, which gives it a display, a D-Bus session and an accessibility bus of its
own. Starts speech-dispatcher with its silent dummy module, Orca with its debug log, then the
program, carries out the steps one after the other, and prints what Orca spoke after each, read
from the log's SPEECH OUTPUT lines.
"""

import datetime
import os
import pty
import re
import shutil
import subprocess
import sys
import threading
import time
import tty

import atspi_drive as bus
from gi.repository import Gio, GLib

# After a step Orca has said all it will once its log has been still this long; a busy machine may need more.
PAUSE = float(os.environ.get("ORCA_SPEECH_PAUSE", "1"))
# The program alone runs in this locale, Japanese unless asked otherwise; Orca keeps the caller's.
LOCALE = os.environ.get("ORCA_SPEECH_LOCALE", "C.UTF-8")
MENU = "Menu" if LOCALE.startswith("en") else "メニュー (menu)"


class Log:
    """Orca's debug log as Orca writes it. Python writes a file out line by line only when it is a
    terminal, so Orca gets one, and what it writes is copied into a file here at once: nothing is
    lost however Orca ends, and the copy shows when Orca has stopped talking."""

    def __init__(self, path):
        self.path = path
        master, self._terminal = pty.openpty()
        tty.setraw(self._terminal)
        self.name = os.ttyname(self._terminal)
        self._written = time.monotonic()
        self._copier = threading.Thread(target=self._copy, args=(master,))
        self._copier.start()

    def _copy(self, master):
        with open(self.path, "wb") as copy:
            while True:
                try:
                    data = os.read(master, 65536)
                except OSError:  # every writer has closed the terminal
                    data = b""
                if not data:
                    break
                copy.write(data)
                copy.flush()
                self._written = time.monotonic()
        os.close(master)

    def settle(self, longest=20):
        """Waits until Orca has written nothing for PAUSE seconds, and at least that long."""
        start = time.monotonic()
        while time.monotonic() - max(start, self._written) < PAUSE and time.monotonic() - start < longest:
            time.sleep(0.1)

    def close(self):
        os.close(self._terminal)
        self._copier.join()


def speech_settings(home):
    """speech-dispatcher with only the dummy module, its sound going to libao's null driver."""
    config = os.path.join(home, "speech-dispatcher")
    os.makedirs(config)
    with open(os.path.join(config, "speechd.conf"), "w") as conf:
        conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\nAudioOutputMethod "libao"\n')
    with open(os.path.join(home, ".libao"), "w") as libao:
        libao.write("default_driver=null\n")
    return config


def stop(process):
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def listening():
    """Whether a screen reader has switched accessibility on, as Orca does when it starts."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Get",
        GLib.Variant("(ss)", ("org.a11y.Status", "IsEnabled")), None, Gio.DBusCallFlags.NONE, 1000)
    return reply.unpack()[0]


def seconds(clock):
    hours, minutes, rest = clock.split(":")
    return int(hours) * 3600 + int(minutes) * 60 + float(rest)


def now():
    return seconds(datetime.datetime.now().strftime("%H:%M:%S.%f"))


def spoken(log):
    """(time of day in seconds, text) of every SPEECH OUTPUT entry; an entry's further lines are indented."""
    entries = []
    with open(log, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if re.match(r"\d\d:\d\d:\d\d\.\d+ - ", line):
                entries.append(line)
            elif entries and line.startswith(" " * 18):
                entries[-1] += "\n" + line[18:]
    said = []
    for entry in entries:
        match = re.match(r"(\S+) - SPEECH OUTPUT: '(.*)'( voice=\S+)? ?\{.*\}$", entry, re.S)
        if match:
            said.append((seconds(match.group(1)), match.group(2)))
    return said


def act(step, log):
    kind, _, what = step.partition("=")
    if kind == "open":
        bus.click(bus.control(bus.window(MENU), what, "push button"))
    elif kind == "click":
        bus.click(bus.anywhere(what))
    elif kind == "key":
        bus.xdotool("key", what)
    elif kind == "wait":
        time.sleep(float(what))
    else:
        raise ValueError("not a step: " + step)
    log.settle()


def run(program, steps):
    home = os.environ["HOME"]
    config = speech_settings(home)
    log = Log(os.path.join(home, "orca.log"))
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    speech = subprocess.Popen(["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", config], **quiet)
    orca = subprocess.Popen(["orca", "--debug-file", log.name], **quiet)
    app = None
    marks = [("start", 0.0)]
    try:
        # Qt reads whether a tool listens once, at its start: the program comes after Orca, as a pupil's would.
        bus.wait_for(listening, "Orca to switch accessibility on", seconds=40)
        app = subprocess.Popen([program], env=dict(os.environ, QT_QPA_PLATFORM="xcb", LC_ALL=LOCALE), **quiet)
        bus.window(MENU, seconds=40)
        log.settle()
        for step in steps:
            marks.append((step, now()))
            act(step, log)
    finally:
        marks.append(("stop", now()))
        for process in (orca, app, speech):
            if process:
                stop(process)
        log.close()
    if os.environ.get("ORCA_SPEECH_LOG"):
        shutil.copy(log.path, os.environ["ORCA_SPEECH_LOG"])
    said = spoken(log.path)
    for (step, since), (_, until) in zip(marks, marks[1:]):
        print("== " + step)
        for when, text in said:
            if since <= when < until:
                print("   " + text)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    run(sys.argv[1], sys.argv[2:])
