#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running game through AT-SPI, as a screen reader does.

Usage: read-table.py WINDOW_ID [PATTERN...]

With patterns, it only waits for each to name something on the screen.
Without, it finds the game among the desktop's applications, checks that the title
screen's lines can be read, presses the switch (xdotool) to deal, finds the
names of the table's controls, and watches the focus follow the lifted card
of the player's scan. Prints what it finds; exits 1 on the first thing
missing.
"""
import re
import subprocess
import sys
import time

import pyatspi

window = sys.argv[1]


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def press():
    subprocess.run(["xdotool", "key", "--window", window, "space"], check=False)


def find_game():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "Wildcrest":
                return app
        time.sleep(0.1)
    fail("the game is not among the applications AT-SPI knows")


def showing(node):
    """Every object of the tree that is on the screen, with its name."""
    found = []

    def walk(o):
        try:
            state = o.getState()
        except Exception:
            return
        if not state.contains(pyatspi.STATE_SHOWING):
            return
        found.append(o)
        for child in o:
            if child is not None:
                walk(child)

    walk(node)
    return found


def names(objects):
    return [o.name for o in objects]


def expect(found, pattern, what):
    for name in found:
        if re.fullmatch(pattern, name):
            print(f"read {what}: {name!r}")
            return name
    fail(f"no {what} ({pattern}) among {found}")


if len(sys.argv) > 2:
    # read-table.py WINDOW PATTERN...: waits up to 30 s for each pattern to
    # name something on the screen, and prints what names them.
    game = find_game()
    deadline = time.time() + 30
    while True:
        found = names(showing(game))
        if all(any(re.fullmatch(p, n) for n in found) for p in sys.argv[2:]) or time.time() > deadline:
            break
        time.sleep(0.3)
    for pattern in sys.argv[2:]:
        expect(found, pattern, "name")
    sys.exit(0)

game = find_game()
time.sleep(1)
title = names(showing(game))
expect(title, r"\[Press any key to start\]", "the title's invitation")
expect(title, r"Esc ends the game at any time", "a title line")

press()
card = r"(ace|two|three|four|five|six|seven|eight|nine|ten|jack|queen|king) of (hearts|spades|diamonds|clubs), card (\d+) of (\d+)"
deadline = time.time() + 30
while time.time() < deadline:
    table = names(showing(game))
    if any(re.fullmatch(card, n) for n in table) and any(re.fullmatch(r"Pile: .+ of .+", n) or n.startswith("Pile: eight") for n in table):
        break
    time.sleep(0.3)
expect(table, card, "a card of the player's hand")
expect(table, r"Computer's hand: \d+ cards?", "the computer's hand")
expect(table, r"Pile: (eight, (hearts|spades|diamonds|clubs) named|\w+ of \w+)", "the pile")
expect(table, r"Deck: \d+ cards?", "the deck")
expect(table, r"Round 1 of 5", "the round")
expect(table, r"Player \d+, Computer \d+", "the totals")


def player_cards(objects):
    """(name, top) of each card of the player's upper row, and the names of
    the focused objects over it: a stand-in for the offered card has the focus."""
    cards = []
    focused = []
    for o in objects:
        m = re.fullmatch(card, o.name)
        if m and int(m.group(3)) <= 11:
            if o.getState().contains(pyatspi.STATE_FOCUSED):
                focused.append(o.name)
            else:
                cards.append((o.name, o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).y))
    return cards, focused


# Watch the scan: the lifted card stands higher than the rest of its row, and
# it must be the one with the focus. A turn with nothing to play waits for a
# press to draw, so press when nothing has been lifted for a while.
matched = set()
looks = 0
agree = 0
last_lift = time.time()
deadline = time.time() + 90
while time.time() < deadline and len(matched) < 3:
    cards, focused = player_cards(showing(game))
    if len(cards) >= 2:
        row = max(top for _, top in cards)
        lifted = [c for c in cards if c[1] < row]
        if len(lifted) == 1:
            last_lift = time.time()
            looks += 1
            if focused == [lifted[0][0]]:
                agree += 1
                if lifted[0][0] not in matched:
                    print(f"the focus is on the lifted card: {lifted[0][0]!r}")
                matched.add(lifted[0][0])
    if time.time() - last_lift > 5:
        press()
        last_lift = time.time()
    time.sleep(0.15)

if not matched:
    fail("never saw the focus on a lifted card")
# The focus moves a moment after the lift and the two are read apart: allow a few misses.
if agree < 0.7 * looks:
    fail(f"the focus was on the lifted card in only {agree} of {looks} looks")
print(f"the focus followed the scan: on the lifted card in {agree} of {looks} looks, {len(matched)} different cards")


# Each move is told as a notification, which a screen reader speaks without
# the focus going to it. A press takes the card on offer, or draws.
deadline = time.time() + 40
told = None
while time.time() < deadline and told is None:
    press()
    for _ in range(15):
        time.sleep(0.2)
        lines = [o.name for o in showing(game) if o.getRole() == pyatspi.ROLE_NOTIFICATION]
        told = next((n for n in lines if re.fullmatch(r"(You|Computer) (played|drew) .+", n)), None)
        if told:
            break
if told is None:
    fail("no move was told as a notification")
print(f"the move was told as a notification: {told!r}")
