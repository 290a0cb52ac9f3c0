#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the running game as a blind player would, by the AT-SPI events a
screen reader (Orca) speaks: a focus that moves, and a notification shown.

Usage: hear-offers.py WINDOW_ID LOG

Checks first that the title screen shows nothing of the table behind it, then
presses the switch (xdotool) to deal and plays on what it hears alone: an eight
or a card heard a second time in a row is taken, a suit once all four were
heard, a draw or the next round when told there is nothing to play or the round
is over. It stops after a round in which a suit was named, or after two.
Writes one line per event to LOG: "focus X Y WIDTHxHEIGHT NAME" or "notice TEXT".
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

window, log_path = sys.argv[1], sys.argv[2]
log = open(log_path, "w")
heard = {"last": time.time(), "choice": set(), "suits": 0, "rounds": 0, "suit_round": False}


def press(after):
    def send():
        subprocess.run(["xdotool", "key", "--window", window, "space"], check=False)
        return False
    GLib.timeout_add(int(after * 1000), send)


def game():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Wildcrest":
                return app
        time.sleep(0.1)
    print("FAIL: the game is not among the applications AT-SPI knows")
    sys.exit(1)


def showing_names(o):
    try:
        if not o.getState().contains(pyatspi.STATE_SHOWING):
            return []
    except Exception:
        return []
    return [o.name] + [n for child in o if child is not None for n in showing_names(child)]


def on_focus(event):
    if not event.detail1 or event.host_application.name != "Wildcrest":
        return
    name = event.source.name
    box = event.source.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    log.write(f"focus {box.x} {box.y} {box.width}x{box.height} {name}\n")
    log.flush()
    heard["last"] = time.time()
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
    log.write(f"notice {text}\n")
    log.flush()
    heard["last"] = time.time()
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


app = game()
time.sleep(1)
behind = [n for n in showing_names(app) if re.match(r"(Your hand|Computer's hand|Deck|Pile|Player \d)", n)]
if behind:
    print(f"FAIL: the title screen shows the table behind it: {behind}")
    sys.exit(1)
print("the title shows nothing of the table behind it")
pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
GLib.timeout_add(1000, watchdog)
GLib.timeout_add(230 * 1000, lambda: pyatspi.Registry.stop() or False)
press(0.5)
pyatspi.Registry.start()
