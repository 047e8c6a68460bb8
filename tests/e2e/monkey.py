#!/usr/bin/env python3
"""Random real input on the real program under wine, with checks after every event.

Drives velmarin.exe, started from a prepared program folder, with xdotool: clicks anywhere,
drags with and without Shift, Ctrl and Alt, right clicks followed by a random access key, typing
into the Run box, Escape and Enter. After every event it checks that the program is alive (or
ended itself with code 0, when its settings file is read back and it is started again), that its
main window is still shown and on the screen, and that wine has reported no crash. At the end it
clears what is open, checks that no window of the program is left that Escape cannot close, clicks
the close cell and checks the exit code and the saved file.

  monkey.py --dir FOLDER --wine WINE --events N --start K

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
    def __init__(self, folder, wine, events, start, log):
        self.folder = folder
        self.wine = wine
        self.events = events
        self.random = random.Random(start)
        self.start_number = start
        self.log = log
        self.process = None
        self.window = None
        self.restarts = 0
        self.count = {}

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

    def point(self, g, outside=0.1):
        """A point of the window in screen pixels, now and then a little outside it."""
        x, y, w, h = g
        if self.random.random() < outside:
            return (x + self.random.randint(-40, w + 40), y + self.random.randint(-40, h + 40))
        # Weighted towards the strip and the row, where most controls are.
        band = self.random.random()
        if band < 0.3:
            return x + self.random.randint(1, w - 2), y + self.random.randint(1, 17)
        if band < 0.75:
            return x + self.random.randint(1, w - 2), y + self.random.randint(18, min(55, h - 2))
        return x + self.random.randint(1, w - 2), y + self.random.randint(1, h - 2)

    def event(self, number):
        g = geometry(self.window)
        if not g:
            raise Failure("the main window's geometry cannot be read")
        kinds = [("click", 30), ("right_click_key", 14), ("drag", 26), ("double_click", 5),
                 ("type", 9), ("escape", 8), ("enter", 4), ("right_drag", 4)]
        kind = self.random.choices([k for k, _ in kinds], [w for _, w in kinds])[0]
        self.count[kind] = self.count.get(kind, 0) + 1
        if kind == "click":
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
                xdo("mousemove", "--window", w, 4, 4, "sleep", 0.1, "windowfocus", w, "sleep", 0.1,
                    "key", "Escape", "sleep", 0.4)
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
        """Visible named windows of the program other than its main window."""
        pid = self.process.pid
        found = []
        for w in visible_windows():
            if w == self.window:
                continue
            if window_pid(w) != pid:
                continue
            if window_name(w):
                found.append(w)
        return found

    def say(self, text):
        print(text, file=self.log, flush=True)

    def run(self):
        self.launch()
        for number in range(1, self.events + 1):
            self.event(number)
            self.check(number)
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
    parser.add_argument("--events", type=int, default=300)
    parser.add_argument("--start", type=int, default=None)
    args = parser.parse_args()
    start = args.start if args.start is not None else random.SystemRandom().randint(1, 999999)
    print("monkey: %d events, random start %d (again: MONKEY_START=%d)" % (args.events, start, start),
          flush=True)
    monkey = Monkey(args.dir, args.wine, args.events, start, sys.stdout)
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
