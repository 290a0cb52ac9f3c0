#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two-step scanning in the real window with a real key on a bare X server: a
# single press only stops the scan on the lifted card, and when no second press
# follows within the scan time nothing is played and the scan goes on; two
# presses play the card (an eight has its suit taken the same way).
set -uo pipefail

game=${1:?usage: two-step-on-x.sh path/to/wildcrest}
source "$(dirname "$0")/bare-x.sh"
start_game two-step "$game" --scan-method=two-step --scan-time=2

leave_title
pile_now() { region 344 280 71 96; }

# A stray press: the scan stops on the card, and then goes on without taking it.
stray=""
for attempt in $(seq 12); do
  stray=$(lifted_or_draw space)
  [ -n "$stray" ] && break
done
[ -n "$stray" ] || fail "no card was offered"
pile=$(pile_now)
xdotool key --window "$win" space
sleep 1.2; shot
[ "$(lifted)" = "$stray" ] || fail "a single press did not hold the scan on place $stray (lifted: $(lifted))"
sleep 2; shot
[ "$(pile_now)" = "$pile" ] || fail "a single press played the card"
[ -n "$(lifted)" ] || fail "the scan did not go on after the stray press"
echo "one press stopped the scan on place $stray; with no second press nothing was played and the scan went on"

# Two presses play the card on offer.
played=""
for attempt in $(seq 8); do
  slot=$(lifted_or_draw space)
  [ -n "$slot" ] || continue
  pile=$(pile_now)
  xdotool key --window "$win" space; sleep 0.4; xdotool key --window "$win" space
  for _ in $(seq 40); do
    sleep 0.1; shot
    [ "$(pile_now)" != "$pile" ] && [ -z "$(lifted)" ] && { played=$slot; break; }
    # An eight: the suits are offered on the pile; two presses name one.
    if [ "$(pile_now)" != "$pile" ] && [ -n "$(lifted)" ]; then
      xdotool key --window "$win" space; sleep 0.4; xdotool key --window "$win" space
      pile=$(pile_now)
    fi
  done
  [ -n "$played" ] && break
done
[ -n "$played" ] || fail "two presses did not play a card"
echo "two presses played the card from place $played"
end_with_esc
echo "1 passed, 0 failed"
