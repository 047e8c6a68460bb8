#!/usr/bin/env python3
"""Random real input on the real program under wine, with checks after every event.

Drives velmarin.exe, started from a prepared program folder, with xdotool: clicks anywhere,
drags with and without Shift, Ctrl and Alt, right clicks followed by a random access key, typing
into the Run box, Escape and Enter, the hot key; and with the probes of the build, as other
programs and the system would: the notification-area icon's right click (followed by a random
access key) and double click, moves of the window by another program, files dropped from another
program's window, and all of these while a dialog of the program is open. After every event it
checks that the program is alive (or ended itself with code 0, when its settings file is read back
and it is started again), that its main window is still shown and on the screen, and that wine has
reported no crash. At the end it clears what is open, checks that no window of the program is left
that Escape cannot close, clicks the close cell and checks the exit code and the saved file.

  monkey.py --dir FOLDER --wine WINE --tray TRAY_PROBE --drag DRAG_PROBE --events N --start K

The probes run from their own folder: nothing of them is in the program folder, where a drop could
put them on a cell or the shelf. The files dropped are the launch probe's copies p1.exe to p4.exe
of the program folder.

The same start number gives the same sequence of events (the program's timing may still differ).
Prints one line per event and "monkey: PASS" or a "monkey: FAIL ..." line; exits 0 or 1.
"""

import argparse
import os
import random
import re
import subprocess
import sys
import time

SCREEN_W, SCREEN_H = 1280, 800
ACCESS_KEYS = "abcdefghijklmnopqrstuvwxyz"
MODIFIERS = ["", "shift", "ctrl", "alt", "shift+ctrl", "shift+alt", "ctrl+alt"]
RUN_WORDS = ["probe", "pr", "p", "二枚目", ",", ",三", ",2", ",BEEP", "abc", "ﾃｽﾄ", ",SORT", "x y"]
# The hot key of the monkey's settings (HotKeyFlg=3, HotKeyKey=86).
HOT_KEY = "ctrl+alt+v"
# Files of the program folder that the drag probe drops: the launch probe's copies.
DROP_FILES = ["p1.exe", "p2.exe", "p3.exe", "p4.exe"]

# The events and their weights. The same start number gives the same sequence of events for
# this list; the first eight keep their weights among themselves.
EVENTS = [("click", 30), ("right_click_key", 14), ("drag", 26), ("double_click", 5),
          ("type", 9), ("escape", 8), ("enter", 4), ("right_drag", 4),
          ("tray_right_key", 3), ("tray_double", 2), ("hot_key", 2), ("moved", 2),
          ("drop", 1), ("dialog", 2)]
# What happens while a dialog is open, before Enter or Escape in it closes it (or it is left open).
DIALOG_EVENTS = [("main_click", 5), ("tray_right_key", 2), ("tray_double", 1), ("drop", 2),
                 ("hot_key", 1), ("moved", 1)]
# The ways to a dialog: (what, weight).
DIALOG_OPENERS = [("the settings through the tray menu", 1),
                  ("the settings through the main menu", 1),
                  ("a button's properties through its cell's menu", 2),
                  ("the page's properties through a cell's menu", 1)]

# The main window's client area with ten cells, in pixels: the cells' row starts at y 17, each
# cell 37 wide; the caption spans x 75 to 257 of the strip, the Run box 259 to 372, the close
# cell 428 to 445; the shelf, when open, lies below the row from y 56.
CELL, ROW_TOP, CELLS = 37, 17, 10
CAPTION = (76, 1, 256, 15)
RUN_BOX = (262, 3, 368, 13)
CLOSE_CELL = (430, 2, 443, 14)
SHELF = (6, 62, 438, 150)


class Failure(Exception):
    pass


def xdo(*args, check=False):
    result = subprocess.run(["xdotool", *[str(a) for a in args]], capture_output=True, text=True)
    if check and result.returncode != 0:
        raise Failure("xdotool %s failed: %s" % (" ".join(map(str, args)), result.stderr.strip()))
    return result.stdout


def geometry(window):
    out = xdo("getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    try:
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])
    except (KeyError, ValueError):
        return None


def viewable(window):
    out = subprocess.run(["xwininfo", "-id", str(window)], capture_output=True, text=True).stdout
    return "Map State: IsViewable" in out


def visible_windows(name_pattern="."):
    out = xdo("search", "--onlyvisible", "--name", name_pattern)
    return [int(w) for w in out.split()]


def our_windows(pid):
    """The visible windows of the program with this process id, titled or not."""
    out = xdo("search", "--onlyvisible", "--pid", pid)
    return [int(w) for w in out.split()]


def window_name(window):
    return xdo("getwindowname", window).strip()


def window_pid(window):
    out = xdo("getwindowpid", window).strip()
    return int(out) if out.isdigit() else None


def crash_reported():
    """The command line of wine's debugger started for a crash in this test's wine prefix."""
    prefix = os.environ.get("WINEPREFIX", "")
    out = subprocess.run(["pgrep", "-f", "winedbg"], capture_output=True, text=True).stdout
    for pid in out.split():
        try:
            environ = open("/proc/%s/environ" % pid, "rb").read().split(b"\0")
            command = open("/proc/%s/cmdline" % pid, "rb").read().replace(b"\0", b" ")
        except OSError:
            continue
        if ("WINEPREFIX=" + prefix).encode() in environ:
            return command.decode(errors="replace").strip()
    return None


def read_settings(path):
    """The saved file, checked to read back whole: header keys, then every page with its
    caption and exactly MaxButton cell lines, the records only where they belong."""
    data = open(path, "rb").read()
    # The file ends with an empty line; one anywhere else would end the reading there.
    if not data.endswith(b"\r\n\r\n"):
        raise Failure("the settings file does not end with an empty line")
    text = data.decode("cp932")
    lines = text[:-4].split("\r\n")
    keys = {}
    pages = []
    shelf = 0
    for number, line in enumerate(lines, 1):
        key, sep, value = line.partition("=")
        if not sep:
            raise Failure("line %d of the settings file is no KEY=VALUE line: %r" % (number, line))
        if key == "G":
            if shelf:
                raise Failure("a page after the shelf entries, line %d" % number)
            if value != str(len(pages)):
                raise Failure("page %s where page %d was due, line %d" % (value, len(pages), number))
            pages.append({"caption": None, "cells": 0})
        elif key == "C":
            if not pages or pages[-1]["caption"] is not None or pages[-1]["cells"]:
                raise Failure("a caption out of place, line %d" % number)
            pages[-1]["caption"] = value
        elif key == "P":
            if not pages or pages[-1]["caption"] is None:
                raise Failure("a cell out of place, line %d" % number)
            pages[-1]["cells"] += 1
        elif key in ("T", "R", "S", "I", "M"):
            if not pages or not pages[-1]["cells"] or shelf:
                raise Failure("a %s= line without its cell, line %d" % (key, number))
        elif key == "O":
            shelf += 1
        elif pages:
            raise Failure("the option %s= among the pages, line %d" % (key, number))
        else:
            keys[key] = value
    buttons = int(keys.get("MaxButton", "0") or 0)
    if not pages:
        raise Failure("the settings file holds no page")
    for index, page in enumerate(pages):
        if page["cells"] != buttons:
            raise Failure("page %d holds %d cells, not MaxButton=%d" % (index, page["cells"], buttons))
    return len(pages), buttons, shelf


class Monkey:
    def __init__(self, folder, wine, tray_probe, drag_probe, events, start, log):
        self.folder = folder
        self.wine = wine
        self.tray_probe = tray_probe
        self.drag_probe = drag_probe
        self.events = events
        self.random = random.Random(start)
        self.start_number = start
        self.log = log
        self.process = None
        self.window = None
        self.restarts = 0
        self.count = {}
        # The launch probe's copies as they were made; see restore_drop_files.
        self.originals = {}
        for name in DROP_FILES:
            with open(os.path.join(folder, name), "rb") as f:
                self.originals[name] = f.read()

    # ---- the program

    def launch(self):
        self.process = subprocess.Popen([self.wine, "velmarin.exe"], cwd=self.folder,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.window = None
        deadline = time.time() + 40
        while time.time() < deadline:
            self.window = self.find_main_window()
            if self.window:
                time.sleep(0.8)  # the Run box and the drop target come after the first paint
                return
            if self.process.poll() is not None:
                raise Failure("the program ended with %s before its window showed"
                              % self.process.returncode)
            time.sleep(0.1)
        raise Failure("the main window did not show")

    def find_main_window(self):
        for w in visible_windows("^velmarin$"):
            g = geometry(w)
            if g and g[3] <= 260:  # a dialog of ours has a title of its own; this is the strip
                return w
        return None

    def ended_itself(self):
        code = self.process.returncode
        if code != 0:
            raise Failure("the program ended with code %s" % code)
        pages, buttons, shelf = read_settings(os.path.join(self.folder, "velmarin.ini"))
        self.say("  the program ended itself; the saved file reads back whole (%d pages of %d "
                 "cells, %d shelf entries); starting it again" % (pages, buttons, shelf))
        self.restarts += 1
        # The lock of the single instance goes with the process; wine may take a moment.
        time.sleep(0.5)
        self.launch()

    # ---- checks after every event

    def check(self, event_number):
        crash = crash_reported()
        if crash:
            raise Failure("wine reported a crash (%s)" % crash)
        if self.process.poll() is not None:
            self.ended_itself()
            return
        # A dialog's Apply shapes the window anew (hidden, then shown): give it a moment.
        deadline = time.time() + 4
        while True:
            shown = self.window and viewable(self.window)
            if shown:
                g = geometry(self.window)
                if g and on_screen(g):
                    break
                if g:
                    self.bring_back(g)
                    g = geometry(self.window)
                    if g and on_screen(g):
                        break
                    if time.time() > deadline:
                        # A box or menu of ours may hold the window where it is; the user can
                        # still drag it back while a part that drags it is on the screen.
                        if g and grab_point(g):
                            self.say("  the window stays at %d,%d, partly off the screen" % g[:2])
                            break
                        raise Failure("the main window is lost off the screen at %s" % (g,))
            else:
                again = self.find_main_window()
                if again:
                    self.window = again
                    continue
            if time.time() > deadline:
                others = [(w, window_name(w)) for w in visible_windows()]
                raise Failure("the main window is no longer shown after event %d (visible "
                              "windows: %s)" % (event_number, others))
            if self.process.poll() is not None:
                self.ended_itself()
                return
            time.sleep(0.1)

    def bring_back(self, g):
        """A caption drag that brings a window dragged partly off the screen back to the middle:
        the monkey's own drags walk it about, which is no fault. The caption and the cell at the
        lower right both drag the window; one of them must be on the screen."""
        x, y, w, h = g
        grab = grab_point(g)
        if not grab:
            raise Failure("no part of the main window that drags it is on the screen: %s" % (g,))
        grab_x, grab_y = grab
        # A menu left open would take the press.
        xdo("key", "Escape", "sleep", 0.2)
        to_x = grab_x + (SCREEN_W - w) // 2 - x
        to_y = grab_y + (SCREEN_H - h) // 2 - y
        self.say("  the window was dragged to %d,%d: dragged back by its caption" % (x, y))
        xdo("mousemove", grab_x, grab_y, "sleep", 0.1, "mousedown", 1, "sleep", 0.1,
            "mousemove", (grab_x + to_x) // 2, (grab_y + to_y) // 2, "sleep", 0.1,
            "mousemove", to_x, to_y, "sleep", 0.1, "mouseup", 1, "sleep", 0.3)

    # ---- events

    def between(self, low, high):
        """A whole number from low to high. It takes one number of the random sequence whatever
        the range, so the window's size (the shelf open or closed) never shifts the events
        that follow."""
        return low + min(int(self.random.random() * (high - low + 1)), high - low)

    def point(self, g, outside=0.1):
        """A point of the window in screen pixels, now and then a little outside it."""
        x, y, w, h = g
        if self.random.random() < outside:
            return (x + self.between(-40, w + 40), y + self.between(-40, h + 40))
        # Weighted towards the strip and the row, where most controls are.
        band = self.random.random()
        if band < 0.3:
            return x + self.between(1, w - 2), y + self.between(1, 17)
        if band < 0.75:
            return x + self.between(1, w - 2), y + self.between(18, min(55, h - 2))
        return x + self.between(1, w - 2), y + self.between(1, h - 2)

    def in_rect(self, g, rect):
        """A point of a client rectangle (left, top, right, bottom) of the window, in screen
        pixels (the frame is one pixel wide)."""
        left, top, right, bottom = rect
        return g[0] + 1 + self.between(left, right), g[1] + 1 + self.between(top, bottom)

    def in_cell(self, g, cell):
        left = cell * CELL
        return self.in_rect(g, (left + 3, ROW_TOP + 3, left + CELL - 4, ROW_TOP + CELL - 4))

    def choose(self, weighted):
        return self.random.choices([k for k, _ in weighted], [w for _, w in weighted])[0]

    def event(self, number):
        g = geometry(self.window)
        if not g:
            raise Failure("the main window's geometry cannot be read")
        kind = self.choose(EVENTS)
        self.count[kind] = self.count.get(kind, 0) + 1
        if kind in ("tray_right_key", "tray_double", "hot_key", "moved", "drop"):
            self.other_event(kind, str(number), g)
        elif kind == "dialog":
            self.dialog(number, g)
        elif kind == "click":
            px, py = self.point(g)
            button = self.random.choice([1, 1, 1, 3, 2])
            self.say("%d click %d at %d,%d" % (number, button, px - g[0], py - g[1]))
            xdo("mousemove", px, py, "sleep", 0.05, "click", button, "sleep", 0.15)
        elif kind == "double_click":
            px, py = self.point(g)
            self.say("%d double click at %d,%d" % (number, px - g[0], py - g[1]))
            xdo("mousemove", px, py, "sleep", 0.05, "click", "--repeat", 2, "--delay", 80, 1,
                "sleep", 0.15)
        elif kind == "right_click_key":
            px, py = self.point(g, outside=0)
            key = self.random.choice(ACCESS_KEYS)
            self.say("%d right click at %d,%d, then %s" % (number, px - g[0], py - g[1], key))
            xdo("mousemove", px, py, "sleep", 0.05, "click", 3, "sleep", 0.35, "key", key,
                "sleep", 0.2)
        elif kind in ("drag", "right_drag"):
            button = 1 if kind == "drag" else 3
            mods = self.random.choice(MODIFIERS)
            ax, ay = self.point(g, outside=0)
            bx, by = self.point(g, outside=0.2)
            self.say("%d drag %d%s from %d,%d to %d,%d" % (number, button, " with " + mods if mods
                     else "", ax - g[0], ay - g[1], bx - g[0], by - g[1]))
            args = ["mousemove", ax, ay, "sleep", 0.05]
            if mods:
                args += ["keydown", mods]
            args += ["mousedown", button]
            for step in (1, 2, 3):
                args += ["sleep", 0.05, "mousemove", ax + (bx - ax) * step // 3,
                         ay + (by - ay) * step // 3]
            args += ["sleep", 0.05, "mouseup", button]
            if mods:
                args += ["keyup", mods]
            args += ["sleep", 0.2]
            xdo(*args)
        elif kind == "type":
            x, y, w, _ = g
            word = self.random.choice(RUN_WORDS)
            enter = self.random.random() < 0.4
            self.say("%d type %r into the Run box%s" % (number, word, " and Enter" if enter else ""))
            # The Run box lies over the strip above the last three cells.
            # xdotool types every argument after "type": it comes last.
            xdo("mousemove", x + w - 150, y + 9, "sleep", 0.05, "click", 1, "sleep", 0.1,
                "type", "--delay", 15, word)
            time.sleep(0.1)
            if enter:
                xdo("key", "Return", "sleep", 0.2)
        elif kind == "escape":
            self.say("%d Escape" % number)
            xdo("key", "Escape", "sleep", 0.1)
        elif kind == "enter":
            self.say("%d Enter" % number)
            xdo("key", "Return", "sleep", 0.15)
        # No key or button stays down into the next event.
        xdo("keyup", "shift", "ctrl", "alt", "mouseup", 1, "mouseup", 2, "mouseup", 3)

    def other_event(self, kind, label, g, off_screen=True):
        """The events that come from outside the window: the notification-area icon, the hot key,
        another program moving the window, a file dropped from another program's window."""
        if kind == "tray_right_key":
            key = self.random.choice(ACCESS_KEYS)
            self.say("%s tray icon: right click, then %s" % (label, key))
            self.tray("right")
            xdo("sleep", 0.35, "key", key, "sleep", 0.2)
        elif kind == "tray_double":
            self.say("%s tray icon: double click" % label)
            self.tray("double")
            time.sleep(0.2)
        elif kind == "hot_key":
            self.say("%s hot key %s" % (label, HOT_KEY))
            xdo("key", HOT_KEY, "sleep", 0.15)
        elif kind == "moved":
            _, _, w, h = g
            side = self.random.choice(["", "", "", "left", "right", "top", "bottom"])
            if not off_screen:
                side = ""
            across, fx, fy = self.random.random(), self.random.random(), self.random.random()
            # Partly off the screen, but never so far that neither the caption nor the cell at
            # the lower right (both drag the window) can be reached.
            x = int(fx * (SCREEN_W - w))
            y = int(fy * (SCREEN_H - h))
            if side == "left":
                x = -1 - int(across * (w - 100))
            elif side == "right":
                x = SCREEN_W - w + 1 + int(across * (w - 200))
            elif side == "top":
                y = -1 - int(across * 45)
            elif side == "bottom":
                y = SCREEN_H - h + 1 + int(across * (h - 21))
            self.say("%s moved by another program to %d,%d%s" % (label, x, y,
                     ", partly off the screen" if side else ""))
            self.tray("move", x, y)
            time.sleep(0.1)
        elif kind == "drop":
            self.drop(label, g)
        xdo("keyup", "shift", "ctrl", "alt", "mouseup", 1, "mouseup", 2, "mouseup", 3)

    def tray(self, what, *args):
        """What the notification-area icon sends the main window (right, double), or another
        program's move of it, through the tray probe."""
        try:
            result = subprocess.run([self.wine, self.tray_probe, what, *[str(a) for a in args]],
                                    cwd=os.path.dirname(self.tray_probe),
                                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL, timeout=30)
        except subprocess.TimeoutExpired:
            raise Failure("the tray probe did not end within 30 s")
        if result.returncode != 0:
            self.say("  the tray probe found no main window")

    def drop(self, label, g):
        """A file of the program folder dragged from the drag probe's window (another program)
        onto a cell, the Run box or the shelf, sometimes with a key held, now and then followed
        by an access key for a menu the drop may bring up."""
        name = self.random.choice(DROP_FILES)
        target = self.random.choice(["cell", "cell", "run box", "shelf"])
        cell = self.random.randint(0, CELLS - 1)
        if target == "cell":
            tx, ty = self.in_cell(g, cell)
            target = "cell %d" % cell
        elif target == "run box":
            tx, ty = self.in_rect(g, RUN_BOX)
        else:
            tx, ty = self.in_rect(g, SHELF)
        keys = self.random.choice(["", "", "", "", "shift", "ctrl", "alt", "shift+ctrl"])
        key = self.random.choice(ACCESS_KEYS) if self.random.random() < 0.4 else ""
        self.say("%s drop %s from another program onto the %s at %d,%d%s%s"
                 % (label, name, target, tx - g[0], ty - g[1], " with " + keys if keys else "",
                    ", then " + key if key else ""))
        path = "Z:" + os.path.abspath(os.path.join(self.folder, name)).replace("/", "\\")
        probe = subprocess.Popen([self.wine, self.drag_probe, path],
                                 cwd=os.path.dirname(self.drag_probe), stdin=subprocess.DEVNULL,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            window = None
            deadline = time.time() + 20
            while not window and time.time() < deadline:
                found = [w for w in visible_windows("^drag_probe$") if window_pid(w) == probe.pid]
                window = found[0] if found else None
                if not window:
                    time.sleep(0.1)
            if not window:
                raise Failure("the drag probe's window did not show")
            pg = geometry(window)
            if pg and pg[0] <= tx < pg[0] + pg[2] and pg[1] <= ty < pg[1] + pg[3]:
                self.say("  the drag probe's window lies over that point")
            # The probe's press starts the drag; keys are held from just after it, when the
            # probe has the keyboard, so wine sees them during the drag.
            args = ["sleep", 0.3, "mousemove", "--window", window, 50, 50, "sleep", 0.2,
                    "mousedown", 1, "sleep", 0.2]
            if keys:
                args += ["keydown", keys]
            for step in (1, 2, 3, 4):
                args += ["mousemove", tx - 4 + step, ty, "sleep", 0.12]
            args += ["mouseup", 1]
            if keys:
                args += ["keyup", keys]
            args += ["sleep", 0.35]
            if key:
                args += ["key", key, "sleep", 0.2]
            xdo(*args)
        finally:
            probe.kill()
            probe.wait()

    # ---- events while a dialog is open

    def dialog(self, number, g):
        """Opens a dialog (the settings from the tray menu or the main menu, a button's or the
        page's properties from a cell's menu), then acts while it is open: clicks on the main
        window, the tray icon, drops, the hot key, moves; then closes it with Enter or Escape,
        or leaves it open for the events that follow. No choice depends on whether the dialog
        showed, so that the sequence stays the same."""
        opener = self.choose(DIALOG_OPENERS)
        cell = self.random.randint(0, CELLS - 1)
        if "cell" in opener:
            px, py = self.in_cell(g, cell)
            key = "r" if "button" in opener else "g"
        else:
            px, py = self.in_rect(g, CAPTION)
            key = "c"
        count = self.random.randint(1, 3)
        close = self.random.choice(["Return", "Escape", "Escape", "Return", ""])
        before = set(self.dialogs())
        if "tray" in opener:
            self.say("%d dialog: %s (tray icon: right click, then c)" % (number, opener))
            self.tray("right")
        else:
            self.say("%d dialog: %s (right click at %d,%d, then %s)"
                     % (number, opener, px - g[0], py - g[1], key))
            xdo("mousemove", px, py, "sleep", 0.05, "click", 3)
        xdo("sleep", 0.35, "key", key)
        shown = None
        deadline = time.time() + 3
        while time.time() < deadline:
            new = [w for w in self.dialogs() if w not in before]
            if new:
                shown = new[-1]
                break
            time.sleep(0.1)
        if shown:
            self.say("  the dialog %r showed" % window_name(shown))
        elif before:
            self.say("  no dialog showed; %r was open already" % window_name(sorted(before)[-1]))
        else:
            self.say("  no dialog showed")
        for sub in range(1, count + 1):
            label = "%d.%d" % (number, sub)
            kind = self.choose(DIALOG_EVENTS)
            g = geometry(self.window) or g
            if kind == "main_click":
                self.main_click(label, g)
            else:
                self.other_event(kind, label, g, off_screen=False)
            self.check_alive()
        if close:
            self.dialog_key("%d.%d" % (number, count + 1), close)
        elif self.dialogs():
            self.say("%d.%d the dialog %r left open" % (number, count + 1,
                                                          window_name(self.dialogs()[-1])))

    def main_click(self, label, g):
        """A click on the main window: on a cell, the caption, the close cell or anywhere."""
        button = self.random.choice([1, 1, 3])
        place = self.random.choice(["cell", "cell", "caption", "close cell", "anywhere"])
        cell = self.random.randint(0, CELLS - 1)
        if place == "cell":
            px, py = self.in_cell(g, cell)
            place = "cell %d" % cell
        elif place == "caption":
            px, py = self.in_rect(g, CAPTION)
        elif place == "close cell":
            px, py = self.in_rect(g, CLOSE_CELL)
        else:
            px, py = self.point(g)
            place = "main window"
        self.say("%s click %d on the %s at %d,%d" % (label, button, place, px - g[0], py - g[1]))
        xdo("mousemove", px, py, "sleep", 0.05, "click", button, "sleep", 0.2)

    def dialog_key(self, label, key):
        """Enter or Escape in the dialog: a click on its caption first gives it the keyboard
        (another program's window may have it); without a dialog the key goes where the
        keyboard is."""
        name = "Enter" if key == "Return" else key
        open_now = self.dialogs()
        if not open_now:
            self.say("%s %s (no dialog open)" % (label, name))
            xdo("key", key, "sleep", 0.2)
            return
        d = open_now[-1]
        self.say("%s %s in the dialog %r" % (label, name, window_name(d)))
        click_caption(d)
        xdo("key", key, "sleep", 0.3)

    def dialogs(self):
        """The program's dialogs shown now, oldest first: its windows other than the main window
        with a title of their own, or dialog-sized (a button's properties are untitled when the
        button has no tool tip); menus and tool tips are smaller."""
        if self.process.poll() is not None:
            return []
        found = []
        for w in our_windows(self.process.pid):
            if w == self.window:
                continue
            g = geometry(w)
            if window_name(w) or (g and g[2] >= 250 and g[3] >= 180):
                found.append(w)
        return sorted(found)

    def check_alive(self):
        """Between the steps of an event: no crash, and a program that ended itself is started
        again (the full check follows the event)."""
        crash = crash_reported()
        if crash:
            raise Failure("wine reported a crash (%s)" % crash)
        if self.process.poll() is not None:
            self.ended_itself()

    # ---- the end

    def clear_and_close(self):
        if self.process.poll() is not None:
            self.ended_itself()
        self.close_foreign_windows()
        for attempt in range(6):
            xdo("key", "Escape", "sleep", 0.3)
            others = self.other_windows()
            if not others:
                break
            # The newest first: a box or menu stands in front of the window it was raised from.
            for w in sorted(others, reverse=True):
                if not viewable(w):
                    continue
                # A window that is not the active one (a modeless box after a click on the main
                # window) gets the keyboard from a click on its caption, as a user gives it;
                # wine does not activate a window that only gets the X input focus.
                click_caption(w)
                xdo("key", "Escape", "sleep", 0.4)
        others = self.other_windows()
        if others:
            raise Failure("windows of the program that Escape does not close: %s"
                          % [(w, window_name(w)) for w in others])
        self.check(self.events)
        x, y, w, _ = geometry(self.window)
        self.say("end: a left click on the close cell")
        xdo("mousemove", x + w - 10, y + 9, "sleep", 0.2, "click", 1)
        try:
            code = self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end within 20 s of a click on the close cell "
                          "(visible windows: %s)" % [(v, window_name(v)) for v in visible_windows()])
        if code != 0:
            raise Failure("the program ended with code %s" % code)
        pages, buttons, shelf = read_settings(os.path.join(self.folder, "velmarin.ini"))
        self.say("end: code 0, the saved file reads back whole (%d pages of %d cells, %d shelf "
                 "entries)" % (pages, buttons, shelf))

    def close_foreign_windows(self):
        """Ends the programs whose windows came up over ours (a folder opened by a shelf command,
        say): they are not under test, and they would take the monkey's clicks."""
        ours = self.process.pid
        for w in visible_windows():
            pid = window_pid(w)
            if not pid or pid == ours or not window_name(w):
                continue
            try:
                command = open("/proc/%d/cmdline" % pid, "rb").read().replace(b"\0", b" ")
            except OSError:
                continue
            if b"/desktop" in command:
                continue  # wine's desktop process
            self.say("  another program's window %r came up (%s): ended"
                     % (window_name(w), command.decode(errors="replace").strip()))
            try:
                os.kill(pid, 9)
            except OSError:
                pass

    def other_windows(self):
        """Visible windows of the program other than its main window: titled ones, and untitled
        dialogs."""
        return self.dialogs()

    def restore_drop_files(self):
        """A launch probe started with a file as its parameter (a file dropped on a cell in
        execute mode, say) writes its report into that file. When that file was one of the probe
        copies, which the cells, drawers and shelf launch, it is copied again: the program did
        what it should, and its later launches of that copy keep doing something."""
        for name, data in self.originals.items():
            path = os.path.join(self.folder, name)
            try:
                if os.path.getsize(path) == len(data):
                    continue
            except OSError:
                continue  # moved away by the program itself (deleted to the recycle bin)
            # Written beside the program folder, then renamed over the copy in one step.
            spare = os.path.join(os.path.dirname(os.path.abspath(self.folder)),
                                 ".%s-%s" % (os.path.basename(self.folder), name))
            with open(spare, "wb") as f:
                f.write(data)
            os.replace(spare, path)
            self.say("  %s was written over by a launch with it as parameter: copied again" % name)

    def say(self, text):
        print(text, file=self.log, flush=True)

    def run(self):
        self.launch()
        for number in range(1, self.events + 1):
            self.event(number)
            self.check(number)
            self.restore_drop_files()
            if number % 10 == 0:
                self.close_foreign_windows()
        self.clear_and_close()
        self.say("monkey: %d events (%s), %d starts again after the program's own exit"
                 % (self.events, ", ".join("%s %d" % kv for kv in sorted(self.count.items())),
                    self.restarts))

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass


def click_caption(window):
    """A left click on a window's caption (a third of the way along, clear of its buttons),
    which makes it the active window with the keyboard."""
    g = geometry(window)
    if g:
        xdo("mousemove", g[0] + g[2] // 3, g[1] + 8, "sleep", 0.1, "click", 1, "sleep", 0.15)


def grab_point(g):
    """A screen point of the caption or of the cell at the lower right, both of which drag the
    window, that lies on the screen (the middle of what of them is on it); None when no part of
    either is."""
    x, y, w, h = g
    # Client rectangles (left, top, right, bottom) of the two, one-pixel frame added.
    for left, top, right, bottom in ((76, 1, 257, 16), (w - 72, 37, w - 3, 53)):
        left, right = max(x + left, 2), min(x + right, SCREEN_W - 3)
        top, bottom = max(y + top, 2), min(y + bottom, SCREEN_H - 3)
        if left <= right and top <= bottom:
            return (left + right) // 2, (top + bottom) // 2
    return None


def on_screen(g):
    x, y, w, h = g
    return x >= 0 and y >= 0 and x + w <= SCREEN_W and y + h <= SCREEN_H


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dir", required=True)
    parser.add_argument("--wine", required=True)
    parser.add_argument("--tray", required=True, help="the tray probe")
    parser.add_argument("--drag", required=True, help="the drag probe")
    parser.add_argument("--events", type=int, default=300)
    parser.add_argument("--start", type=int, default=None)
    args = parser.parse_args()
    start = args.start if args.start is not None else random.SystemRandom().randint(1, 999999)
    print("monkey: %d events, random start %d (again: MONKEY_START=%d)" % (args.events, start, start),
          flush=True)
    monkey = Monkey(args.dir, args.wine, os.path.abspath(args.tray), os.path.abspath(args.drag),
                    args.events, start, sys.stdout)
    try:
        monkey.run()
    except Failure as failure:
        print("monkey: FAIL (random start %d): %s" % (start, failure), flush=True)
        monkey.stop()
        return 1
    finally:
        monkey.stop()
    print("monkey: PASS", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
