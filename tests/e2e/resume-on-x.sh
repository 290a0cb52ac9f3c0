#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A match played a few turns in the real window, killed with SIGKILL as the
# player's next turn begins, and started again: the title offers "Go on with
# the match" first (read through AT-SPI), a press takes it, and the table
# shows the same hands, pile and counter, picture for picture, with the same
# first card lifted. Then Esc ends the game with 0.
set -uo pipefail

game=${1:?usage: resume-on-x.sh path/to/wildcrest}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/own-bus.sh"
source "$here/bare-x.sh"
export LANGUAGE=en QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
save="$work/data/wildcrest/match.save" # start_game's XDG_DATA_HOME
# As bare-x.sh's, in one look at the strip above the hand rather than eleven.
lifted() {
  convert "$work/last.png" -crop 880x1+24+402 +repage -depth 8 rgb:- 2>/dev/null | od -An -tu1 -v |
    awk '{ for (i = 1; i <= NF; i++) v[n++] = $i }
      END { for (k = 0; k <= 10; k++) { p = 3 * (35 + 80 * k); if (v[p] != 192 || v[p+1] != 255 || v[p+2] != 192) { print k + 1; exit } } }'
}
# Each card offered 4 s: on a busy machine the screens read after the resume take more than 2 s.
start_game resume "$game" --scan-time=4
leave_title

# The hands, the pile and the counter: the window below the round caption.
table_shot() { convert "$work/last.png" -crop 930x430+0+130 +repage "$work/$1.png"; }

# Plays (or draws) until three turns of the player's are over, then waits for
# the player's next first offer: the computer's turn, and so the save, is done.
turns=0
for attempt in $(seq 20); do
  slot=$(lifted_or_draw space)
  if [ -n "$slot" ]; then
    xdotool key --window "$win" space
    sleep 0.3
  fi
  turns=$((turns + 1))
  [ "$turns" -ge 3 ] || continue
  # The card played travels, the computer moves; the next offer lifts a card.
  for _ in $(seq 25); do shot; [ -z "$(lifted)" ] && break; sleep 0.1; done
  for _ in $(seq 80); do shot; first=$(lifted); [ -n "$first" ] && break; sleep 0.1; done
  [ -n "$first" ] && break
done
[ -n "${first:-}" ] || fail "the player's turn never came with a card to offer"
table_shot before
[ -s "$save" ] || fail "no save in $save after $turns turns"
kill -KILL "$game_pid"
wait "$game_pid" 2>/dev/null
game_pid=""
echo "killed with SIGKILL after $turns turns of the player's, card $first offered; the save is $(wc -c <"$save") bytes"
stop_xvfb

start_game resume-again "$game" --scan-time=4
/usr/bin/python3 "$here/read-table.py" "$win" "Go on with the match: round 1 of 5, you 0, computer 0" ||
  fail "the title does not offer the match"
echo "the title offers the match"
xdotool key --window "$win" space
for _ in $(seq 40); do shot; [ "$(colour 5 200)" = "$table" ] && [ -n "$(lifted)" ] && break; sleep 0.1; done
[ "$(lifted)" = "$first" ] || fail "card $(lifted) is offered first, not card $first"
table_shot after
pixels() { convert "$work/$1.png" rgb:- 2>/dev/null | md5sum | cut -c1-32; }
if [ "$(pixels before)" != "$(pixels after)" ]; then
  cp "$work/before.png" "${TMPDIR:-/tmp}/wildcrest-e2e-resume-before.png"
  cp "$work/after.png" "${TMPDIR:-/tmp}/wildcrest-e2e-resume-after.png"
  fail "the table is not as before the kill (see ${TMPDIR:-/tmp}/wildcrest-e2e-resume-*.png)"
fi
echo "the same hands, pile and counter, card $first offered first"
end_with_esc
[ -s "$save" ] || fail "Esc took the save away"
echo "1 passed, 0 failed"
