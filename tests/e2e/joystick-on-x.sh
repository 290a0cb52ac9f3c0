#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A joystick button plays a card in the real window on a bare X server: the
# program given puts the game together with an SDL virtual joystick (which can
# only live inside the game's own process) and presses its button whenever
# the game waits for the switch; it ends with status 0 once a press played
# the lifted card.
set -uo pipefail

program=${1:?usage: joystick-on-x.sh path/to/wildcrest_joystick_on_x}
source "$(dirname "$0")/bare-x.sh"
start_game joystick "$program"

for _ in $(seq 1200); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "still running after two minutes: $(cat "$work/game.log")"
wait "$game_pid"
status=$?
game_pid=""
cat "$work/game.log"
[ "$status" -eq 0 ] || fail "status $status"
echo "1 passed, 0 failed"
