#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a screen reader sees it, on a bare X server with its own session
# bus and the AT-SPI registry: the names of the table's controls and the focus
# following the scan, and the narration told as a notification, read through
# AT-SPI (read-table.py).
set -uo pipefail

game=${1:?usage: screen-reader-on-x.sh path/to/wildcrest}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/own-bus.sh"
source "$here/bare-x.sh"
# Qt talks to AT-SPI once a screen reader is said to be running; there is none here.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_game screen-reader "$game" --scan-time=1.5 --narration=on
/usr/bin/python3 "$here/read-table.py" "$win" || { shot; fail "read through AT-SPI"; }
end_with_esc
