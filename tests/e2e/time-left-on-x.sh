#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bar of the time left on the offer, in the real window on a bare X server:
# with a scan time of 4 s, two screens a second apart within one offer differ
# only in a strip just under the lifted card, and its yellow is shorter in the
# second.
set -uo pipefail

game=${1:?usage: time-left-on-x.sh path/to/wildcrest}
source "$(dirname "$0")/bare-x.sh"
start_game time-left "$game" --time-left=bar --scan-time=4
leave_title

slot=""
for _ in $(seq 8); do
  slot=$(lifted_or_draw space)
  [ -n "$slot" ] && break
done
[ -n "$slot" ] || fail "no card was offered in eight turns"
shot
cp "$work/last.png" "$work/first.png"
sleep 1
shot
[ "$(lifted)" = "$slot" ] || fail "the offer moved on from place $slot within a second of a 4 s scan time"

# Place k is 73 pixels wide at x = 24 + 80 (k - 1); lifted, its bottom edge is at y = 496.
left=$((24 + 80 * (slot - 1)))
changed=$(convert "$work/first.png" "$work/last.png" -compose difference -composite -trim -format '%w %h %X %Y' info: 2>/dev/null | tr -d '+')
read -r width height x y <<<"$changed"
echo "the screens a second apart differ in ${width}x${height} at ($x, $y); the card is at x $left"
[ "${height:-0}" -le 8 ] && [ "$y" -ge 496 ] && [ "$y" -le 512 ] && [ "$x" -ge "$left" ] && [ $((x + width)) -le $((left + 73)) ] ||
  fail "the screens differ outside the bar under place $slot"
yellow() { convert "$1" -crop "73x1+$left+505" +repage -fill white -opaque '#ffdd00' -fill black +opaque white -format '%[fx:round(mean*w)]' info: 2>/dev/null; }
before=$(yellow "$work/first.png")
after=$(yellow "$work/last.png")
echo "the bar's yellow: $before pixels, a second later $after"
[ "$before" -gt "$after" ] && [ "$after" -gt 0 ] || fail "the bar did not shrink over the second"
end_with_esc
echo PASS
