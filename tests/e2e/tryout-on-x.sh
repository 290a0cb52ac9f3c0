#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The settings dialog's switch try-out with real keys on a bare X server whose
# key auto-repeat is on: Space held for 3 s is one press held about 3,000 ms,
# as the game would count it, read through AT-SPI from the list of presses.
set -uo pipefail

game=${1:?usage: tryout-on-x.sh path/to/wildcrest}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/own-bus.sh"
source "$here/bare-x.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANGUAGE=en
window_name="Wildcrest settings"
start_game tryout "$game" --settings

# The X server repeats the held key (Xvfb's default): dozens of release and press pairs in 3 s.
if command -v xset >/dev/null; then xset r on; fi
xdotool windowfocus --sync "$win"
sleep 0.5
xdotool keydown space
sleep 3
xdotool keyup space
sleep 0.5

/usr/bin/python3 - <<'READ' || { shot; fail "the held key was not one press of about 3 s"; }
import re, sys, time
import pyatspi

def find(node, name):
    if node is None:
        return None
    if node.name == name:
        return node
    for child in node:
        found = find(child, name)
        if found is not None:
            return found
    return None

rows = None
for _ in range(50):
    for app in pyatspi.Registry.getDesktop(0):
        presses = find(app, "Presses seen") if app is not None and app.name == "Wildcrest" else None
        if presses is not None:
            rows = [row.name for row in presses]
    if rows is not None:
        break
    time.sleep(0.1)
if rows is None:
    sys.exit("FAIL: no list of presses among what AT-SPI knows")
print("rows:", rows)
held = re.fullmatch(r"key, switch 1, held (\d+) ms, the first: counted", rows[0]) if len(rows) == 1 else None
if not held or not 2700 <= int(held.group(1)) <= 3600:
    sys.exit(f"FAIL: expected one press held about 3000 ms, got {len(rows)} rows")
print(f"one press, held {held.group(1)} ms")
READ
echo "Space held for 3 s is one press in the try-out"
