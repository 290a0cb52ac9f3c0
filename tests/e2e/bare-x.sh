# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that play the real game on a bare X server: starts
# Xvfb on a free display (no window manager) and the game on it, finds its
# window, and gives the screen readers. Call: start_game NAME path/to/wildcrest [args]
# The screen is 1280 x 800 unless xvfb_screen says otherwise ("1600x1200").
set -uo pipefail

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
win=""
window_name="Halvorn's Unikey Wildcrest" # the caption of the window start_game waits for
failshot=wildcrest-e2e-fail.png
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  # Waited for: a server still shutting down unlinks its display's socket,
  # which by then may be the socket of the next test's server.
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -f "$work/last.png" ] && cp "$work/last.png" "${TMPDIR:-/tmp}/$failshot" && echo "last screen: ${TMPDIR:-/tmp}/$failshot"
  exit 1
}

# Starts Xvfb on a free display and exports DISPLAY. Tests run side by side: a
# server of another test that is just shutting down on the display number ours
# took can unlink our socket, so ours must still answer a moment later.
start_xvfb() {
  for _ in 1 2 3; do
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "${xvfb_screen:-1280x800}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -1 "$work/display")"
    sleep 0.3
    xdpyinfo >/dev/null 2>&1 && return 0
    stop_xvfb
  done
  fail "no X server of ours answered on its display"
}

stop_xvfb() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
}

start_game() {
  failshot="wildcrest-e2e-$1-fail.png"
  shift
  unset QT_QPA_PLATFORM
  # No settings file of the machine's: only what the test gives; and no saved
  # match of the machine's, nor one left there for the next test.
  export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
  for attempt in 1 2 3; do
    start_xvfb
    "$@" >"$work/game.log" 2>&1 &
    game_pid=$!
    win=""
    for _ in $(seq 100); do
      win=$(xdotool search --onlyvisible --name "$window_name" 2>/dev/null | head -1)
      [ -n "$win" ] && break
      kill -0 "$game_pid" 2>/dev/null || break
      sleep 0.1
    done
    [ -n "$win" ] && break
    # The display lost under the game is the surroundings' fault, not the game's: once more.
    if ! kill -0 "$game_pid" 2>/dev/null && grep -q "could not connect to display" "$work/game.log" && [ "$attempt" -lt 3 ]; then
      echo "the display went away as the game started; another X server"
      game_pid=""
      stop_xvfb
      continue
    fi
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended at start: $(cat "$work/game.log")"
    fail "no window appeared"
  done
  sleep 0.5
}

shot() { import -window "$win" "$work/last.png" 2>/dev/null; }
# The colour at window pixel (x, y) of the last screen, as rrggbb.
colour() { convert "$work/last.png" -format '%[hex:p{'"$1"','"$2"'}]' info: 2>/dev/null | cut -c1-6 | tr 'A-F' 'a-f'; }
# A fingerprint of a rectangle of the last screen.
region() { convert "$work/last.png" -crop "$3x$4+$1+$2" +repage rgb:- 2>/dev/null | md5sum | cut -c1-32; }
table=c0ffc0

# The place (1 to 11) of the player's lifted card, if any: a lifted card
# covers the strip of table just above its place.
lifted() {
  for k in $(seq 0 10); do
    [ "$(colour $((24 + 80 * k + 35)) 402)" != "$table" ] && { echo $((k + 1)); return; }
  done
}

# A Space leaves the title screen; then the round is dealt.
leave_title() {
  xdotool key --window "$win" space
  for _ in $(seq 20); do shot; [ "$(colour 5 200)" = "$table" ] && break; sleep 0.1; done
  [ "$(colour 5 200)" = "$table" ] || fail "the title screen did not go"
  echo "title screen gone"
  # The deal: seven backs along the computer's row (place 1 is at 824,144).
  for _ in $(seq 100); do shot; [ "$(colour 859 192)" != "$table" ] && [ "$(colour 379 192)" != "$table" ] && break; sleep 0.1; done
  [ "$(colour 379 192)" != "$table" ] || fail "the computer's seventh card was not dealt"
  echo "round dealt"
}

# The place of the player's lifted card, waited for up to 6 s. With nothing to
# play none is lifted: the key named draws a card, and the place is empty.
lifted_or_draw() {
  local slot=""
  for _ in $(seq 60); do shot; slot=$(lifted); [ -n "$slot" ] && break; sleep 0.1; done
  if [ -z "$slot" ]; then
    xdotool key --window "$win" "$1"
    sleep 4
  fi
  echo "$slot"
}

# Esc must end the game at once, with status 0.
# Waits up to 5 s for the game to end after `what` and checks it ended with status 0.
expect_ended_with_0() {
  local what=$1
  for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game_pid" 2>/dev/null; then fail "$what did not end the game"; fi
  wait "$game_pid"
  local status=$?
  game_pid=""
  # What the game said (a sanitizer's report, say) is kept in the test's output.
  [ "$status" -eq 0 ] || { tail -60 "$work/game.log"; fail "$what ended the game with status $status"; }
  echo "$what ended the game with status 0"
}

end_with_esc() {
  xdotool key --window "$win" Escape 2>/dev/null
  expect_ended_with_0 Esc
}
