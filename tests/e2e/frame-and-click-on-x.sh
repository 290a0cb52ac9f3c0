#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The mouse as the switch and the frame round the offer, in the real game on a
# bare X server: a real click (through XTEST, as a switch interface that sends
# clicks makes it) takes the title screen away, the lifted card has a black and
# yellow frame round it, and a second click plays it onto the pile.
set -uo pipefail

game=${1:?usage: frame-and-click-on-x.sh path/to/wildcrest}
source "$(dirname "$0")/bare-x.sh"
start_game frame "$game" --highlight=lift+frame

# A real left click on the table, away from every card.
click() { xdotool mousemove --window "$win" 640 20 click 1; }
black=000000
yellow=ffdd00

shot
[ "$(colour 5 200)" = ffffff ] || fail "no title screen (saw $(colour 5 200))"
click
for _ in $(seq 30); do shot; [ "$(colour 5 200)" = "$table" ] && break; sleep 0.1; done
[ "$(colour 5 200)" = "$table" ] || fail "a left click did not take the title screen away"
echo "a click took the title screen away"

for _ in $(seq 100); do shot; [ "$(colour 379 192)" != "$table" ] && break; sleep 0.1; done
[ "$(colour 379 192)" != "$table" ] || fail "the round was not dealt"

# The player's place k (1 to 11) is 73 x 97 pixels at (24 + 80 (k - 1), 416),
# 17 pixels higher while lifted; the frame is 3 black then 3 yellow pixels outside it.
framed() {
  local left=$((24 + 80 * ($1 - 1))) top=399
  [ "$(colour $((left - 5)) $((top + 48)))" = "$black" ] && [ "$(colour $((left - 2)) $((top + 48)))" = "$yellow" ] &&
    [ "$(colour $((left + 36)) $((top - 5)))" = "$black" ] && [ "$(colour $((left + 36)) $((top - 2)))" = "$yellow" ] &&
    [ "$(colour $((left + 71 + 4)) $((top + 48)))" = "$black" ] && [ "$(colour $((left + 71 + 1)) $((top + 48)))" = "$yellow" ]
}
# The pile, 73 x 97 at (344, 280), framed the same way while a suit is offered.
pile_framed() { [ "$(colour 379 275)" = "$black" ] && [ "$(colour 379 278)" = "$yellow" ]; }
played=""
seen_frame=""
for attempt in $(seq 12); do
  # The computer may move first: wait long enough for the player's first offer.
  slot=""
  end=$((SECONDS + 15))
  while [ $SECONDS -lt $end ]; do
    shot; slot=$(lifted)
    [ -n "$slot" ] && framed "$slot" && break
    if [ -n "$slot" ] && pile_framed; then
      # An eight was taken by a press meant as a draw: name its suit.
      echo "a suit is offered on the framed pile"
      click; sleep 1; slot=""
    fi
    sleep 0.1
  done
  if [ -z "$slot" ]; then
    click # nothing to play: the click draws
    sleep 4
    continue
  fi
  framed "$slot" || fail "the lifted card in place $slot has no black and yellow frame"
  seen_frame=$slot
  pile=$(region 344 280 71 96)
  click
  for _ in $(seq 30); do
    sleep 0.1; shot
    if pile_framed; then click; sleep 1; shot; fi # an eight: take the suit on offer
    [ "$(region 344 280 71 96)" != "$pile" ] && [ -z "$(lifted)" ] && { played=$slot; break; }
  done
  [ -n "$played" ] && break
done
[ -n "$seen_frame" ] || fail "no card was lifted"
echo "the lifted card in place $seen_frame is framed black and yellow"
[ -n "$played" ] || fail "a click did not play the lifted card"
echo "a click played the card in place $played onto the pile"

end_with_esc
echo "1 passed, 0 failed"
