#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the running game by the AT-SPI events a screen reader (Orca) speaks:
a focus that moves, and a notification shown.

Usage: hear-offers.py WINDOW_ID LOG

Checks that the title screen shows nothing of the table behind it, deals, and
then takes an eight, or a card heard a second time in a choice, or a suit once
all four were heard; draws or deals again when told. Stops after a round with
a suit named, or after two. LOG gets "focus X Y WIDTHxHEIGHT NAME" or "notice TEXT".
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

window, log = sys.argv[1], open(sys.argv[2], "w")
heard = {"last": time.time(), "choice": set(), "suits": 0, "rounds": 0, "suit_round": False}


def press(after):
    GLib.timeout_add(int(after * 1000), lambda: subprocess.run(["xdotool", "key", "--window", window, "space"]) and False)


def write(line):
    log.write(line + "\n")
    log.flush()
    heard["last"] = time.time()


def on_focus(event):
    if not event.detail1 or event.host_application.name != "Wildcrest":
        return
    name = event.source.name
    box = event.source.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    write(f"focus {box.x} {box.y} {box.width}x{box.height} {name}")
    if name.endswith(", name a suit"):
        heard["suits"] += 1
        heard["suit_round"] = True
        if heard["suits"] % 4 == 0:
            press(0.3)
    elif name.startswith("eight of") or name in heard["choice"]:
        press(0.3)
        heard["choice"] = set()
    else:
        heard["choice"].add(name)


def on_showing(event):
    if not event.detail1 or event.source.getRole() != pyatspi.ROLE_NOTIFICATION:
        return
    text = event.source.name
    write(f"notice {text}")
    heard["choice"] = set()
    if text.startswith("nothing to play"):
        press(0.5)
    elif re.match(r"Round \d+: ", text):
        heard["rounds"] += 1
        if heard["suit_round"] or heard["rounds"] == 2:
            GLib.timeout_add(1500, lambda: pyatspi.Registry.stop() or False)
        else:
            press(1.0)


def watchdog():
    # A press the game did not take (the scan moved on first) leaves it waiting: press again.
    if time.time() - heard["last"] > 8:
        heard["last"] = time.time()
        press(0)
    return True


def showing_names(o):
    try:
        if not o.getState().contains(pyatspi.STATE_SHOWING):
            return []
    except Exception:
        return []
    return [o.name] + [n for child in o if child is not None for n in showing_names(child)]


for _ in range(100):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Wildcrest"), None)
    if app:
        break
    time.sleep(0.1)
else:
    sys.exit("FAIL: the game is not among the applications AT-SPI knows")
time.sleep(1)
behind = [n for n in showing_names(app) if re.match(r"(Your hand|Computer's hand|Deck|Pile|Player \d)", n)]
if behind:
    sys.exit(f"FAIL: the title screen shows the table behind it: {behind}")
print("the title shows nothing of the table behind it")
pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
GLib.timeout_add(1000, watchdog)
GLib.timeout_add(280 * 1000, lambda: pyatspi.Registry.stop() or False)
press(0.5)
pyatspi.Registry.start()
