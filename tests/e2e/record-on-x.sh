#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The record of switch use in the real window: with record=on, cards are played
# with real key events (the pile read through AT-SPI after each), Esc ends the
# game, and --export-record writes a CSV whose presses that took a card are the
# cards the pile showed. Then --record opens the report for the player, and its
# plots are on the screen (RECORD_REPORT_SHOT=FILE keeps a picture of it).
set -uo pipefail

game=${1:?usage: record-on-x.sh path/to/wildcrest}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/own-bus.sh"
source "$here/bare-x.sh"
export LANGUAGE=en QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export XDG_DATA_HOME="$work/data"
# Each card offered for 4 s, so that a key sent after the screenshots that
# found it lifted still lands while it is.
start_game record "$game" --record=on --scan-time=4

leave_title
# Every change of the pile's name as a screen reader reads it ("Pile: seven of
# hearts"), with the time it was seen: the computer's plays come soon after ours.
cat >"$work/watch.py" <<'PY'
import sys, time, pyatspi
from gi.repository import Atspi
def walk(o, found):
    try:
        if not o.getState().contains(pyatspi.STATE_SHOWING):
            return
    except Exception:
        return
    found.append(o.name)
    for child in o:
        if child is not None:
            walk(child, found)
last = None
while True:
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Wildcrest":
            app.set_cache_mask(Atspi.Cache.NONE)  # no main loop runs here to hear of the names' changes
            names = []
            walk(app, names)
            pile = next((n[6:] for n in names if n.startswith("Pile: ")), None)
            if pile and pile != last:
                print(f"{time.time():.3f} {pile}", flush=True)
                last = pile
    time.sleep(0.05)
PY
/usr/bin/python3 "$work/watch.py" >"$work/piles" 2>/dev/null &
watcher=$!
for _ in $(seq 100); do [ -s "$work/piles" ] && break; sleep 0.1; done
[ -s "$work/piles" ] || fail "the pile could not be read through AT-SPI"
presses=()
for attempt in $(seq 40); do
  [ "${#presses[@]}" -ge 3 ] && break
  slot=$(lifted_or_draw space)
  [ -n "$slot" ] || continue
  shot
  pile=$(region 344 280 71 96)
  xdotool key --window "$win" space
  at=$(date +%s.%N)
  for _ in $(seq 30); do
    sleep 0.1; shot
    if [ "$(region 344 280 71 96)" != "$pile" ] && [ -z "$(lifted)" ]; then
      presses+=("$at")
      break
    fi
  done
done
sleep 1
kill "$watcher"
[ "${#presses[@]}" -ge 3 ] || fail "fewer than three cards were played"
end_with_esc
# The card each press played: the first card the pile showed after it (while
# a card travels to it, the pile is read as empty).
played=()
for at in "${presses[@]}"; do
  played+=("$(awk -v at="$at" '$1 > at && $2 != "empty" { $1 = ""; print substr($0, 2); exit }' "$work/piles")")
done
echo "played: ${played[*]}"

csv="$work/record.csv"
"$game" --export-record="$csv" >"$work/export.log" 2>&1 || fail "--export-record failed: $(cat "$work/export.log")"
head -1 "$csv" | grep -q '^player,session,time,' || fail "the CSV has no header: $(head -1 "$csv")"
# A press that lands just after the card before moved on is kept as late; it played the card all the same.
mapfile -t taken < <(awk -F, '$5 == "press" && ($6 == "taken" || $6 == "late") && $7 == "card" { print $8 }' "$csv")
echo "taken in the CSV: ${taken[*]}"
[ "${#taken[@]}" -eq "${#played[@]}" ] || { grep ",press," "$csv"; fail "${#played[@]} cards played, ${#taken[@]} taken presses in the CSV"; }
for i in "${!played[@]}"; do
  # An eight on the pile is read with the suit its player named.
  case "${played[$i]}" in
    eight,*) [[ "${taken[$i]}" == "eight of "* ]] ;;
    *) [ "${taken[$i]}" = "${played[$i]}" ] ;;
  esac || fail "card $((i + 1)): the pile showed ${played[$i]}, the CSV took ${taken[$i]}"
done
echo "the CSV's taken presses are the cards played"

"$game" --record >"$work/report.log" 2>&1 &
game_pid=$!
report=""
for _ in $(seq 100); do
  report=$(xdotool search --onlyvisible --name "record of switch use" 2>/dev/null | head -1)
  [ -n "$report" ] && break
  sleep 0.1
done
[ -n "$report" ] || fail "the report window did not open: $(cat "$work/report.log")"
sleep 2
/usr/bin/python3 "$here/read-table.py" "$report" "Suggested scan time: [0-9.]+ s .*" >/dev/null 2>&1 ||
  ! echo "the suggestion was not read through AT-SPI" || true
import -window root "$work/report.png"
# The plots draw lines and bands in more than a handful of colours.
colours=$(convert "$work/report.png" -format %k info:)
[ "$colours" -gt 50 ] || fail "the report shows only $colours colours"
[ -n "${RECORD_REPORT_SHOT:-}" ] && cp "$work/report.png" "$RECORD_REPORT_SHOT"
kill "$game_pid"
wait "$game_pid" 2>/dev/null
game_pid=""
echo "the report opened for the player"
echo "1 passed, 0 failed"
