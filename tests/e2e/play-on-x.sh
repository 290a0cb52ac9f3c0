#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game on a bare X server with real key events and looks at the
# screen: the title screen goes at the first key, the round is dealt, a card is
# lifted and, at a press, played onto the pile; Esc then ends the game with 0.
set -uo pipefail

game=${1:?usage: play-on-x.sh path/to/wildcrest}
source "$(dirname "$0")/bare-x.sh"
start_game play "$game"

# Title screen: white all over, nothing of the green table.
shot
[ "$(colour 5 200)" = ffffff ] || fail "no title screen (saw $(colour 5 200))"
echo "title screen shown"

leave_title

played=""
for attempt in $(seq 12); do
  slot=$(lifted_or_draw space)
  [ -n "$slot" ] || continue
  pile=$(region 344 280 71 96)
  xdotool key --window "$win" space
  for _ in $(seq 30); do
    sleep 0.1; shot
    [ "$(region 344 280 71 96)" != "$pile" ] && [ -z "$(lifted)" ] && { played=$slot; break; }
  done
  [ -n "$played" ] && break
done
[ -n "$played" ] || fail "no card was lifted and played"
echo "card lifted in place $played and played onto the pile"

end_with_esc
echo "1 passed, 0 failed"
