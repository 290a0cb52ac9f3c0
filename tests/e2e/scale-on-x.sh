#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A table scale larger than the screen: on a 1600 x 1200 screen --scale=3 would
# be a window of 2763 x 1899. The game plays at the largest scale that fits,
# its window wholly on the screen, and says once which scale it took.
set -uo pipefail

game=${1:?usage: scale-on-x.sh path/to/wildcrest}
xvfb_screen=1600x1200
source "$(dirname "$0")/bare-x.sh"
export LANGUAGE=en
start_game scale "$game" --scale=3

eval "$(xdotool getwindowgeometry --shell "$win")" # X, Y, WIDTH, HEIGHT
echo "window of $WIDTH x $HEIGHT at $X, $Y"
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1600 ] && [ $((Y + HEIGHT)) -le 1200 ] ||
  { shot; fail "the window is not inside the 1600 x 1200 screen"; }
[ "$WIDTH" -eq 1382 ] && [ "$HEIGHT" -eq 950 ] || fail "the table is not drawn at 1.5 (921 x 633 times 1.5)"

said=$(grep -c "scale 3 does not fit" "$work/game.log")
[ "$said" -eq 1 ] || fail "the scale was told $said times: $(cat "$work/game.log")"
grep -q "playing at 1.5" "$work/game.log" || fail "the scale played was not told: $(cat "$work/game.log")"
echo "said: $(grep "does not fit" "$work/game.log")"

end_with_esc
echo "1 passed, 0 failed"
