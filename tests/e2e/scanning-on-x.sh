#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The scanning methods and the switch's menu in the real window, with real keys
# on a bare X server: step scanning with two keys (Space moves the lift, Return
# takes the card) plays a card, and nothing moves on its own; then a long press
# of Space opens the menu over the dimmed table, and "End the game" asks
# "End the game?": its first answer keeps the game, "Yes" ends it with status 0.
set -uo pipefail

game=${1:?usage: scanning-on-x.sh path/to/wildcrest}
source "$(dirname "$0")/bare-x.sh"
start_game scanning "$game" --scan-method=step --second-switch=enter --switch-menu=long-press --menu-hold=1.5

leave_title

# The player's turn: the first playable card is lifted at once and stays.
played=""
for attempt in $(seq 12); do
  slot=$(lifted_or_draw Return)
  [ -n "$slot" ] || continue
  sleep 3 # longer than a scan time
  shot
  [ "$(lifted)" = "$slot" ] || fail "the lift moved on its own from place $slot to $(lifted)"
  xdotool key --window "$win" space
  sleep 0.5; shot
  moved=$(lifted)
  [ -n "$moved" ] || fail "switch 1 took the card instead of moving the lift"
  echo "place $slot lifted and still after 3 s; switch 1 moved the lift to place $moved"
  pile=$(region 344 280 71 96)
  xdotool key --window "$win" Return
  for _ in $(seq 40); do
    sleep 0.1; shot
    [ "$(region 344 280 71 96)" != "$pile" ] && [ -z "$(lifted)" ] && { played=$moved; break; }
    # An eight: hearts is on offer on the pile; Return names it.
    [ "$(region 344 280 71 96)" != "$pile" ] && [ -n "$(lifted)" ] && { sleep 0.5; xdotool key --window "$win" Return; pile=$(region 344 280 71 96); }
  done
  [ -n "$played" ] && break
done
[ -n "$played" ] || fail "step scanning did not play a card"
echo "switch 2 played the card from place $played onto the pile"

# A long press (the X server repeats the held key) opens the menu at any wait:
# the player's turn comes (its plate turns red), with a card lifted or a draw.
player_plate_red() { [ "$(colour 60 350)" = ff0000 ]; }
for _ in $(seq 100); do shot; player_plate_red && break; sleep 0.1; done
player_plate_red || fail "the player's turn did not come"
# The left end of a menu item, clear of its text: white while the item shows.
menu_item_white() { [ "$(colour 280 $1)" = ffffff ]; }
xdotool keydown --window "$win" space
sleep 2.2
xdotool keyup --window "$win" space
sleep 0.3; shot
menu_item_white 170 || fail "no menu after a long press"
echo "a long press opened the menu"
# The table beneath the menu is dimmed (a free spot of the light green table).
[ "$(colour 700 300)" = c0ffc0 ] && fail "the table is not dimmed under the menu"
# Step scanning in the menu too: four moves to "End the game", Return takes it.
end_the_game() {
  for _ in 1 2 3 4; do xdotool key --window "$win" space; sleep 0.3; done
  xdotool key --window "$win" Return
  sleep 0.5; shot
  menu_item_white 170 || fail "no question after End the game"
  menu_item_white 250 && fail "the question shows more than its two items"
  menu_item_white 390 && fail "the question shows more than its two items"
}
end_the_game
# The safe answer is on offer first: Return at once keeps the game.
xdotool key --window "$win" Return
sleep 0.5; shot
kill -0 "$game_pid" 2>/dev/null || fail "the first answer to End the game? ended the game"
menu_item_white 170 && fail "the menu stayed open after No, back to the game"
echo "End the game asks, and its first answer keeps the game"
xdotool keydown --window "$win" space; sleep 2.2; xdotool keyup --window "$win" space
sleep 0.3
end_the_game
xdotool key --window "$win" space # to "Yes, end the game"
sleep 0.3
xdotool key --window "$win" Return 2>/dev/null # the window may be gone before the key comes up
expect_ended_with_0 "Yes, end the game"
echo "1 passed, 0 failed"
