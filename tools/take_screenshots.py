#!/usr/bin/python3
# Takes the README's pictures from the running program under a virtual display: the window, the
# ALARM SET window in English and in French with rows that ring, are off and never ring, and the
# window at twice the scale.
#
# Run by hand after a change to the windows: /usr/bin/python3 tools/take_screenshots.py [build/src/app/kalindor]
# Needs Xvfb, xwininfo (x11-utils), libXtst and Pillow with XCB support (python3-pil).

import ctypes
import os
import re
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from PIL import ImageGrab

ROOT = Path(__file__).resolve().parent.parent
DISPLAY = None  # set once the virtual display has chosen its number


def window_box(title):
    """The window's absolute left, top, right and bottom, once it is mapped."""
    for _ in range(100):
        info = subprocess.run(["xwininfo", "-name", title], env={"DISPLAY": DISPLAY},
                              capture_output=True, text=True).stdout
        numbers = {key: int(value) for key, value in
                   re.findall(r"(Absolute upper-left [XY]|Width|Height):\s+(-?\d+)", info)}
        if "Map State: IsViewable" in info and len(numbers) == 4:
            left, top = numbers["Absolute upper-left X"], numbers["Absolute upper-left Y"]
            return left, top, left + numbers["Width"], top + numbers["Height"]
        time.sleep(0.1)
    raise SystemExit(f"no window named {title}")


def click(x, y, press=True):
    """A left click at a point of the screen, through the XTEST extension; or only the pointer moved there,
    which without a window manager gives the window under it the keyboard focus."""
    xlib, xtst = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    display = ctypes.c_void_p(xlib.XOpenDisplay(DISPLAY.encode()))
    xtst.XTestFakeMotionEvent(display, -1, x, y, 0)
    if press:
        xtst.XTestFakeButtonEvent(display, 1, True, 0)
        xtst.XTestFakeButtonEvent(display, 1, False, 0)
    xlib.XFlush(display)
    xlib.XCloseDisplay(display)


def grab(box, name):
    ImageGrab.grab(bbox=box, xdisplay=DISPLAY).save(ROOT / "docs" / name, optimize=True)
    print("docs/" + name)


# Alarms to show: working days, every day, off, an hour typed with a leading zero, a date that does not exist.
ALARMS = [("Mon-Fri", "*", "*", "6", "45", "1", "0", "0", "Browse"),
          ("*", "*", "*", "7", "30", "0", "1", "0", "Browse"),
          ("0",) * 8 + ("Browse",),
          ("*", "*", "*", "07", "15", "0", "0", "1", "Browse"),
          ("31", "4", "*", "8", "0", "1", "0", "0", "Browse")]


def write_settings(folder):
    rows = ALARMS + [("0",) * 8 + ("Browse",)] * (10 - len(ALARMS))
    with open(os.path.join(folder, "kalind.dta"), "w", newline="") as table:
        for row in rows:
            table.write("".join(f"{field:<14}" for field in row[:8]) + row[8] + "\r\n")
    with open(os.path.join(folder, "saytime.dta"), "w", newline="") as interval:
        interval.write("15\r\n")
    with open(os.path.join(folder, "sound.dta"), "w", newline="") as sound:
        sound.write("quiet-from=22\r\nquiet-to=7\r\nalarm-level=80\r\nalarm-rise=20\r\n")


def main():
    binary = sys.argv[1] if len(sys.argv) > 1 else str(ROOT / "build/src/app/kalindor")
    work = tempfile.mkdtemp()
    write_settings(work)
    global DISPLAY
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], pass_fds=[write_end])
    os.close(write_end)
    try:
        DISPLAY = ":" + os.read(read_end, 16).decode().strip()
        env = dict(os.environ, DISPLAY=DISPLAY, LC_ALL="C.UTF-8", XDG_CONFIG_HOME=work)
        env.pop("WAYLAND_DISPLAY", None)
        program = [binary, "--config-dir", work, "--output", work + "/said.wav"]
        # English, as the rest of the README, then French; each flag speaks the time into the file first.
        # Without a window manager ALARM SET opens over the clock, so each language has a run of its own.
        for flag, name in ((131, "settings-window.png"), (24, "settings-window-fr.png")):
            clock = subprocess.Popen(program, env=env)
            try:
                box = window_box("KALINDOR")
                click(box[0] + flag, box[1] + 53)
                time.sleep(6)
                if flag == 131:
                    grab(box, "screenshot.png")
                click(box[0] + 246, box[1] + 54)
                settings = window_box("ALARM SET")
                click(settings[0] + 5, settings[1] + 5, press=False)
                time.sleep(2)
                grab(settings, name)
            finally:
                clock.terminate()
                clock.wait(10)
        scaled = subprocess.Popen(program, env=dict(env, QT_SCALE_FACTOR="2"))
        try:
            box = window_box("KALINDOR")
            click(box[0] + 40, box[1] + 40)  # on the clock, to activate the window
            time.sleep(2)
            grab(box, "screenshot-2x.png")
        finally:
            scaled.terminate()
            scaled.wait(10)
    finally:
        server.terminate()
        server.wait(10)


if __name__ == "__main__":
    main()
