#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a native Wayland client, under a headless weston: it reaches its
# title screen with its caption, its application id (the desktop entry's name,
# by which a compositor finds the icon) and a fixed size, read off the Wayland
# requests it sends. Call: wayland.sh path/to/wildcrest APP_ID
set -uo pipefail
exe=$1 app_id=$2
work=$(mktemp -d)
chmod 700 "$work"
weston_pid="" game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  tail -5 "$work/weston.log" "$work/game.log" 2>/dev/null
  exit 1
}

export XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
unset DISPLAY
weston --backend=headless-backend.so --socket=wildcrest-test --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$work/wildcrest-test" ] && break; sleep 0.1; done
[ -S "$work/wildcrest-test" ] || fail "weston did not start"

WAYLAND_DISPLAY=wildcrest-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$exe" >"$work/game.log" 2>&1 &
game_pid=$!
# The calibration takes two to three seconds before the window is shown.
shown=""
for _ in $(seq 150); do
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(grep -v '^\[' "$work/game.log" | tail -3)"
  # A picture holding the whole window (and Qt's own decorations round it) attached: the title screen is on show.
  if sed -n 's/.*create_buffer(new id wl_buffer@[0-9]*, [0-9]*, \([0-9]*\), \([0-9]*\),.*/\1 \2/p' "$work/game.log" | awk '$1 >= 921 && $2 >= 633 {found=1} END {exit !found}' \
    && grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$work/game.log"; then
    shown=yes
    break
  fi
  sleep 0.1
done
[ -n "$shown" ] || fail "no picture of the whole window reached the compositor"
grep -q "xdg_toplevel@[0-9]*\.set_title(\"Halvorn's Unikey Wildcrest\")" "$work/game.log" || fail "no caption"
grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$app_id\")" "$work/game.log" || fail "application id is not $app_id: $(grep -o 'set_app_id([^)]*)' "$work/game.log")"
grep -q "xdg_toplevel@[0-9]*\.set_min_size(921, 633)" "$work/game.log" || fail "no fixed minimum size"
grep -q "xdg_toplevel@[0-9]*\.set_max_size(921, 633)" "$work/game.log" || fail "no fixed maximum size"

kill "$game_pid"
wait "$game_pid" 2>/dev/null
game_pid=""
echo "the game ran under Wayland: caption, application id $app_id, fixed 921 x 633"
