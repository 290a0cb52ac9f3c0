#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two players at the real window, each with a key of their own, hands handed
# over: Sam (Space, the bottom hand) against Alex (Return, the top hand). After
# the title both hands show their backs and the line says whose turn it is;
# the other's key changes nothing; the key of the player to move shows their
# hand, whose scan plays a card or draws; then the other's turn comes the same
# way. The line and the plates are read through AT-SPI too; Esc ends with 0.
# The screen is 1280 x 800; xvfb_screen=1024x768 in the environment changes it.
set -uo pipefail

game=${1:?usage: two-players-on-x.sh path/to/wildcrest}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/own-bus.sh"
source "$here/bare-x.sh"
export LANGUAGE=en QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
players="$work/config/wildcrest/players"
mkdir -p "$players"
printf 'switch=key:Space\nopponent=Alex\n' >"$players/Sam.conf"
printf 'switch=key:Return\n' >"$players/Alex.conf"
start_game two-players "$game" --player=Sam

# What the names read through AT-SPI must say; fails with `what` if they do not.
# A reader that could not reach the accessibility bus (a busy machine lets
# AT-SPI's registration time out, and the reader ends by a signal) tries again.
read_names() {
  local what=$1 status
  shift
  for _ in 1 2 3; do
    /usr/bin/python3 "$here/read-table.py" "$win" "$@"
    status=$?
    [ "$status" -eq 0 ] && return
    [ "$status" -lt 128 ] && break
  done
  fail "$what"
}
# Each place of a row (top edge y), left to right: B a back, F a face, . empty.
# A place is averaged with its gap, and a lifted or lowered card still fills most of it.
row() {
  convert "$work/last.png" -crop "880x97+24+$1" +repage -scale '11x1!' -depth 8 rgb:- 2>/dev/null | od -An -tu1 -v |
    awk '{ for (i = 1; i <= NF; i++) v[n++] = $i }
      END { for (k = 0; k + 2 < n; k += 3) printf "%s", (v[k+2] - v[k] > 50 ? "B" : (v[k+1] - v[k] < 38 ? "F" : ".")); print "" }'
}
bottom=416
top=144
count() { local s=${2//[^$1]/}; echo ${#s}; }
# The line above the bottom hand shows: its upper strip, clear of any lifted card, is not bare table.
line_shown() { [ "$(convert "$work/last.png" -crop 905x14+8+384 -format %k info: 2>/dev/null)" -gt 1 ]; }
red_plate() { [ "$(colour 60 "$1")" = ff0000 ]; }
sam_plate=350
alex_plate=302
# The place of Alex's card lowered toward the pile, if any.
lowered() {
  for k in $(seq 0 10); do
    [ "$(colour $((859 - 80 * k)) 246)" != "$table" ] && { echo $((k + 1)); return; }
  done
}
pile() { region 344 280 71 96; }
# Whether the pile is an eight, read through AT-SPI ("Pile: eight, hearts named").
eight_on_pile() { /usr/bin/python3 "$here/read-table.py" "$win" "Pile: eight, [a-z]+ named" >/dev/null 2>&1; }
# The handover to `plate`'s player: the line, their plate red, and both hands' backs.
handover_to() {
  line_shown && red_plate "$1" && [ "$(count F "$(row $bottom)$(row $top)")" -eq 0 ] && [ "$(count B "$(row $bottom)")" -gt 0 ]
}
wait_for() { # seconds, then the check and its arguments
  local until=$((SECONDS + $1))
  shift
  while [ "$SECONDS" -lt "$until" ]; do shot; "$@" && return 0; sleep 0.2; done
  return 1
}

shot
[ "$(colour 5 200)" = ffffff ] || fail "no title screen (saw $(colour 5 200))"
# Either player's switch leaves the title: here Alex's.
xdotool key --window "$win" Return
dealt() { handover_to $sam_plate && [ "$(count B "$(row $bottom)")" -eq 7 ] && [ "$(count B "$(row $top)")" -eq 7 ]; }
wait_for 60 dealt || fail "no handover to Sam after the deal: bottom $(row $bottom), top $(row $top)"
red_plate $alex_plate && fail "Alex's plate is red in Sam's turn"
read_names "the line is not read" "Sam's turn: press when ready"
echo "dealt: both hands' seven backs, Sam's plate red, \"Sam's turn: press when ready\""

# The other player's key in a handover changes nothing on the table.
key_changes_nothing() {
  local key=$1 handover=$2 table_now
  table_now=$(region 8 32 905 593)
  xdotool key --window "$win" "$key"
  sleep 1.5
  shot
  [ "$(region 8 32 905 593)" = "$table_now" ] || fail "$key, the other player's key, changed the table in $handover"
  echo "$key in $handover changed nothing"
}
key_changes_nothing Return "Sam's handover"

xdotool key --window "$win" space
sam_shown() { ! line_shown && [ "$(count F "$(row $bottom)")" -eq 7 ] && [ "$(count B "$(row $top)")" -eq 7 ]; }
wait_for 10 sam_shown || fail "Space did not show Sam's hand: bottom $(row $bottom), top $(row $top)"
echo "Space showed Sam's seven faces; Alex's backs stay"

# The turn of the player with `key`: a press takes the card their scan offers
# (again, for an eight's suit), or draws when nothing is offered for 6 s; over
# when the handover to the other comes. Says "played" or "drew".
play_turn() {
  local key=$1 offered=$2 hand=$3 next_plate=$4
  local before pile_before until=$((SECONDS + 120)) quiet=$((SECONDS + 6))
  before=$(count F "$(row "$hand")")
  pile_before=$(pile)
  while [ "$SECONDS" -lt "$until" ]; do
    shot
    handover_to "$next_plate" && break
    if [ -n "$($offered)" ]; then
      xdotool key --window "$win" "$key"
      sleep 1
      quiet=$((SECONDS + 6))
    elif [ "$SECONDS" -ge "$quiet" ]; then
      xdotool key --window "$win" "$key"
      quiet=$((SECONDS + 6))
    fi
    sleep 0.2
  done
  handover_to "$next_plate" || fail "the turn did not pass with $key"
  local after
  after=$(count B "$(row "$hand")")
  # An eight that names the suit an eight on the pile named shows the same pile.
  if [ "$after" -eq $((before - 1)) ] && { [ "$(pile)" != "$pile_before" ] || eight_on_pile; }; then
    echo played
  elif [ "$after" -eq $((before + 1)) ]; then
    echo drew
  else
    fail "$before cards before the turn with $key, $after after"
  fi
}
did=$(play_turn space lifted $bottom $alex_plate) || fail "$did"
red_plate $sam_plate && fail "Sam's plate is still red in Alex's turn"
[ "$(count B "$(row $top)")" -eq 7 ] || fail "Alex's hand is not seven backs: $(row $top)"
read_names "the line is not read" "Alex's turn: press when ready"
echo "Sam $did; Sam's hand turned to backs, Alex's plate red, \"Alex's turn: press when ready\""

key_changes_nothing space "Alex's handover"

xdotool key --window "$win" Return
alex_shown() { ! line_shown && [ "$(count F "$(row $top)")" -eq 7 ] && [ "$(count F "$(row $bottom)")" -eq 0 ]; }
wait_for 10 alex_shown || fail "Return did not show Alex's hand: top $(row $top), bottom $(row $bottom)"
echo "Return showed Alex's seven faces; Sam's backs stay"
did=$(play_turn Return lowered $top $sam_plate) || fail "$did"
echo "Alex $did; Sam's handover again"

# The plates are read with the players' names, Sam's to play.
read_names "the plates are not read as Sam's and Alex's" "Sam, to play" "Alex"
end_with_esc
echo "1 passed, 0 failed"
