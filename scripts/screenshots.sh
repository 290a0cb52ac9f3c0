#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots from the real game on a private X server,
# driven by real key events, and stores them small in docs/. Run it again
# whenever the look changes:
#   scripts/screenshots.sh              # all of them
# Needs a build (./play or ./check once); installs Xvfb, xdotool, ImageMagick and
# optipng where they are missing.
set -uo pipefail
source "$(dirname "$0")/setup.sh"
set +e # the waits below expect commands that fail until the window is there
wildcrest_packages+=(optipng)
wildcrest_install
game=$WILDCREST_BUILD/game/wildcrest
[ -x "$game" ] || wildcrest_build
docs=$WILDCREST_ROOT/docs
unset XDG_CONFIG_HOME XDG_DATA_HOME # the game plays with no settings and no saved match of this machine
mkdir -p "$docs"
work=$(mktemp -d)
xvfb_pid="" game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "screenshots: $*" >&2; exit 1; }

# Starts a private X server and the game (or the settings dialog) on it, with the given options.
start() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -1 "$work/display")"
  export XDG_CONFIG_HOME=${XDG_CONFIG_HOME-$work/config} XDG_DATA_HOME=$work/data
  "$game" "$@" >"$work/game.log" 2>&1 &
  game_pid=$!
  win=""
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --name "Wildcrest" 2>/dev/null | head -1)
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || fail "no window: $(cat "$work/game.log")"
  xdotool windowfocus --sync "$win" 2>/dev/null
  sleep 0.5
}
stop() {
  kill "$game_pid" "$xvfb_pid" 2>/dev/null
  wait "$game_pid" "$xvfb_pid" 2>/dev/null
  game_pid="" xvfb_pid=""
}
grab() { import -window "$win" "$work/screen.png" 2>/dev/null; }
keep() {
  grab
  convert "$work/screen.png" -strip "$docs/$1"
  optipng -quiet -o5 "$docs/$1"
  echo "docs/$1"
}
press() { xdotool key --window "$win" space; }
table=C0FFC0 # the table's colour where no card lies
pixel() { convert "$work/screen.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }
# The player's place (1 to 11) whose card stands lifted, if any: it covers the
# strip of table just above its place.
lifted() {
  for k in $(seq 0 10); do
    [ "$(pixel $((24 + 80 * k + 35)) 402)" != "$table" ] && { echo $((k + 1)); return; }
  done
}
# Whether the lifted card at place $1 is an eight: its picture is one of the four.
is_eight() {
  local x=$((24 + 80 * ($1 - 1)))
  convert "$work/screen.png" -crop "71x96+$x+399" +repage "$work/card.bmp"
  for s in S C H D; do
    [ "$(compare -metric AE "$work/card.bmp" "$WILDCREST_BUILD/game/8$s.bmp" null: 2>&1)" = 0 ] && return 0
  done
  return 1
}

# The title screen.
start
keep title.png
stop

# A card on offer: once the deal is over (a card on the pile) and the same place
# stays lifted, so that no card on its way is taken for it. The pixels looked at
# are the table's at scale 1. Call: wait_for_offer
wait_for_offer() {
  local first
  for _ in $(seq 200); do
    grab
    if [ "$(pixel 383 329)" != "$table" ] && [ -n "$(lifted)" ]; then
      first=$(lifted)
      sleep 0.3
      grab
      [ "$(lifted)" = "$first" ] && return 0
    fi
    sleep 0.1
  done
  fail "no card was offered"
}

# The whole table in high contrast, a card on offer.
table=101820
start --contrast=high
press
wait_for_offer
keep contrast-high.png
stop
table=C0FFC0

# A card on offer, lifted and framed.
start --highlight=lift+frame
press
wait_for_offer
keep offer.png

# Naming a suit: play on (a press at every second offer, and whenever nothing is
# offered for a while: a draw or a round's end) until an eight is offered, take it.
quiet=0 seen=0 named=""
for _ in $(seq 3000); do
  grab
  slot=$(lifted)
  if [ -n "$slot" ]; then
    quiet=0
    if is_eight "$slot"; then
      press
      sleep 0.8 # the card travels; the pile then shows the first suit, framed
      keep suit-choice.png
      named=yes
      break
    fi
    seen=$((seen + 1))
    [ $((seen % 8)) -eq 0 ] && press
  else
    quiet=$((quiet + 1))
    [ "$quiet" -ge 40 ] && { press; quiet=0; }
  fi
  sleep 0.1
done
[ -n "$named" ] || fail "no eight came to be offered"
stop

# Part of the table at scale 2 with large corner indices and four colours, framed.
start --scale=2 --card-style=large-index --four-colour=on --highlight=lift+frame
press
sleep 9 # the deal, at any scale; then the first offer
grab
convert "$work/screen.png" -crop 1150x500+0+540 +repage -strip "$docs/scale2-large-index-four-colour.png"
optipng -quiet -o5 "$docs/scale2-large-index-four-colour.png"
echo docs/scale2-large-index-four-colour.png
stop

# The settings dialog, as the person who sets up the computer sees it (with the
# settings file where it is by default; nothing is saved).
HOME=/home/player XDG_CONFIG_HOME= start --settings
keep settings.png
stop

# The therapist's report, on the record of a few minutes of play with real keys:
# a press every 1.3 s, whatever is on offer, over a scan of 1.5 s.
start --record=on --scan-time=1.5
press
for _ in $(seq 120); do sleep 1.3; press; done
xdotool key --window "$win" Escape
sleep 1
stop
start --record
sleep 2
keep record-report.png
stop
