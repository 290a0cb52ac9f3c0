#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A blind player's whole round, heard through the AT-SPI events a screen reader
# speaks (hear-offers.py plays on them alone): every offer the game's record
# shows must be a move of the focus to an object named for it, the card first,
# even at the place the focus was on before; each suit of a suit choice too;
# and each move, the computer's included, a notification.
set -uo pipefail

# With --orca, the real screen reader Orca listens too, where it is installed
# (the set-up leaves it out), and what it spoke (its debug log's SPEECH OUTPUT)
# must be every offer, in order, and every notification.
game=${1:?usage: hear-every-offer-on-x.sh path/to/wildcrest [--orca]}
here=$(cd "$(dirname "$0")" && pwd)
if [ "${2:-}" = --orca ] && ! command -v orca >/dev/null; then
  echo "Orca is not installed: skipped"
  exit 77
fi
# Orca runs once for a user, and its --replace would kill the screen reader of
# the user running the tests: with one running, the test is left out.
if [ "${2:-}" = --orca ] && pgrep -u "$(id -u)" -x orca >/dev/null; then
  echo "Orca is running for this user: skipped"
  exit 77
fi
# Qt's AT-SPI bridge holds a copy of each key event until the screen reader
# has said whether it takes the key; one still held as the game ends (the
# release of Esc, on a busy machine) is never freed. That is Qt's, so with Orca
# the leak check is off; the same round without Orca keeps it on.
[ "${2:-}" = --orca ] && export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
source "$here/own-bus.sh"
source "$here/bare-x.sh"
export LANGUAGE=en QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_game hear-every-offer "$game" --record=on --scan-time=1.2
orca_pid=""
if [ "${2:-}" = --orca ]; then
  orca --debug-file="$work/orca.log" >"$work/orca.out" 2>&1 &
  orca_pid=$!
  # Orca runs once for a user: one left behind by a failed run would keep the next one out.
  trap 'kill "$orca_pid" 2>/dev/null; wait "$orca_pid" 2>/dev/null; cleanup' EXIT
  for _ in $(seq 200); do grep -q "SPEECH OUTPUT: 'Screen reader on" "$work/orca.log" 2>/dev/null && break; sleep 0.1; done
  grep -q "SPEECH OUTPUT: 'Screen reader on" "$work/orca.log" 2>/dev/null || fail "Orca did not start: $(tail -3 "$work/orca.out")"
fi
/usr/bin/python3 "$here/hear-offers.py" "$win" "$work/heard" || { shot; fail "heard through AT-SPI"; }
end_with_esc
[ -n "$orca_pid" ] && kill "$orca_pid" && wait "$orca_pid" 2>/dev/null
"$game" --export-record="$work/record.csv" >"$work/export.log" 2>&1 || fail "--export-record failed: $(cat "$work/export.log")"

# The offers of the choices the game showed (a wait has no place), in order, by
# what they offer: the suit of "name a suit: hearts".
mapfile -t shown < <(awk -F, '$5 == "offer" && $7 ~ /^(card|suit|menu|title)$/ && $9 > 0 { sub(/^name a suit: /, "", $8); print $8 }' "$work/record.csv")
mapfile -t focused < <(awk '$1 == "focus" { $1 = $2 = $3 = $4 = ""; sub(/^ +/, ""); print }' "$work/heard")
echo "offers shown: ${#shown[@]}, offers the focus moved to: ${#focused[@]}"
[ "${#shown[@]}" -gt 0 ] || fail "no offer was shown"
[ "${#shown[@]}" -eq "${#focused[@]}" ] || { paste -d'|' <(printf '%s\n' "${shown[@]}") <(printf '%s\n' "${focused[@]}"); fail "an offer was not spoken"; }
rank='(ace|two|three|four|five|six|seven|eight|nine|ten|jack|queen|king) of '
for i in "${!shown[@]}"; do
  [[ "${focused[$i]}" == "${shown[$i]}, "* ]] || fail "offer $((i + 1)) was ${shown[$i]}, the focus went to ${focused[$i]}"
  [[ "${shown[$i]}" =~ ^(hearts|spades|diamonds|clubs)$ || "${focused[$i]}" =~ ^$rank ]] || fail "the card's rank does not come first: ${focused[$i]}"
done
# A focus at the place the focus was on before: the same corner twice in a row.
again=$(awk '$1 == "focus" { if ($2 " " $3 == last) n++; last = $2 " " $3 } END { print n + 0 }' "$work/heard")
# Orca takes an object of the same name and extents as the one before for that
# one, and is silent: a card offered twice in a row must differ in its box.
same=$(awk '$1 == "focus" { if ($0 == last) n++; last = $0 } END { print n + 0 }' "$work/heard")
[ "$same" -eq 0 ] || fail "$same offers came with the name and box of the offer before"
suits=$(grep -c ', name a suit$' "$work/heard")
echo "every offer spoken, the card first; $again at the place the focus was on before; $suits suits offered"
[ "$again" -gt 0 ] || fail "no offer came at the place the focus was on before"
# The deal decides whether an eight comes to the player in two rounds: a suit choice is checked when one came.
if [ "$suits" -eq 0 ]; then
  echo "no eight came to the player in these rounds: no suit choice to hear"
else
  printf '%s\n' "${focused[@]}" | grep -A3 '^hearts, name a suit$' | grep -q '^clubs, name a suit$' ||
    { cp "$work/heard" "${TMPDIR:-/tmp}/wildcrest-heard.log"; fail "no suit choice heard whole"; }
fi

# Within a round the moves alternate, so each of the computer's is told between two of the player's.
awk '/^notice Round [0-9]+: / { print "end"; next }
     /^notice You (played|drew)/ { print "you" } /^notice Computer (played|drew)/ { print "computer" }' "$work/heard" >"$work/moves"
computer=$(grep -c computer "$work/moves")
yours=$(grep -c you "$work/moves")
rounds=$(grep -c end "$work/moves")
echo "moves told: yours $yours, the computer's $computer, over $rounds rounds; notices in all: $(grep -c '^notice' "$work/heard")"
[ "$(uniq "$work/moves" | wc -l)" -eq "$(wc -l <"$work/moves")" ] || fail "a move was not told: $(tr '\n' ' ' <"$work/moves")"
[ "$computer" -gt 0 ] && [ "$rounds" -gt 0 ] || fail "no computer move or round end was told"
grep -q '^notice Round 1 of 5 is dealt' "$work/heard" || fail "the deal was not told"

if [ -n "$orca_pid" ]; then
  # Orca's own lines: its start and end, the window's title and the keys it echoes ("space ").
  sed -n "s/.*SPEECH OUTPUT: '\(.*\)'[{ ].*/\1/p" "$work/orca.log" | grep -v "^Screen reader o[nf]\|^Halvorn\| $" >"$work/spoken"
  grep -v '^notification ' "$work/spoken" >"$work/spoken-offers"
  echo "Orca spoke $(wc -l <"$work/spoken-offers") offers and $(grep -c '^notification ' "$work/spoken") notifications"
  diff <(printf '%s.\n' "${focused[@]}") "$work/spoken-offers" || fail "Orca did not speak every offer, in order"
  [ "$(grep -c '^notification ' "$work/spoken")" -eq "$(grep -c '^notice' "$work/heard")" ] || fail "Orca did not speak every notification"
fi
echo "1 passed, 0 failed"
