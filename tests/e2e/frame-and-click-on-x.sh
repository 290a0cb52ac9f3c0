#!/usr/bin/env bash
# The mouse as the switch and the frame round the offer, in the real game on a
# bare X server: a real click (through XTEST, as a switch interface that sends
# clicks makes it) takes the title screen away, the lifted card has a black and
# yellow frame round it, and a second click plays it onto the pile.
set -uo pipefail

game=${1:?usage: frame-and-click-on-x.sh path/to/wildcrest}
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$work/last.png" ] && cp "$work/last.png" "${TMPDIR:-/tmp}/wildcrest-e2e-frame-fail.png" && echo "last screen: ${TMPDIR:-/tmp}/wildcrest-e2e-frame-fail.png"; exit 1; }

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"
unset QT_QPA_PLATFORM
# No settings file of the machine's: only what this test gives.
export XDG_CONFIG_HOME="$work/config"

"$game" --highlight=lift+frame >"$work/game.log" 2>&1 &
game_pid=$!

win=""
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --name "Halvorn's Unikey Wildcrest" 2>/dev/null | head -1)
  [ -n "$win" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended at start: $(cat "$work/game.log")"
  sleep 0.1
done
[ -n "$win" ] || fail "no window appeared"
sleep 0.5

shot() { import -window "$win" "$work/last.png" 2>/dev/null; }
colour() { convert "$work/last.png" -format '%[hex:p{'"$1"','"$2"'}]' info: 2>/dev/null | cut -c1-6 | tr 'A-F' 'a-f'; }
region() { convert "$work/last.png" -crop "$3x$4+$1+$2" +repage rgb:- 2>/dev/null | md5sum | cut -c1-32; }
# A real left click on the table, away from every card.
click() { xdotool mousemove --window "$win" 640 20 click 1; }
table=c0ffc0
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
lifted() {
  for k in $(seq 0 10); do
    [ "$(colour $((24 + 80 * k + 35)) 402)" != "$table" ] && { echo $((k + 1)); return; }
  done
}
framed() {
  local left=$((24 + 80 * ($1 - 1))) top=399
  [ "$(colour $((left - 5)) $((top + 48)))" = "$black" ] && [ "$(colour $((left - 2)) $((top + 48)))" = "$yellow" ] &&
    [ "$(colour $((left + 36)) $((top - 5)))" = "$black" ] && [ "$(colour $((left + 36)) $((top - 2)))" = "$yellow" ] &&
    [ "$(colour $((left + 73 + 4)) $((top + 48)))" = "$black" ] && [ "$(colour $((left + 73 + 1)) $((top + 48)))" = "$yellow" ]
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

xdotool key --window "$win" Escape 2>/dev/null
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then fail "Esc did not end the game"; fi
wait "$game_pid"
status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the game ended with status $status"
echo "Esc ended the game with status 0"
echo "1 passed, 0 failed"
