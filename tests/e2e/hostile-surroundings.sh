#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game when its surroundings go away: the X server killed mid-game, and
# the signals of a session logging out or of Ctrl-C. Each ends the game quickly,
# with a short message or by the signal's own default, never a core, and with
# nothing written. Call: hostile-surroundings.sh path/to/wildcrest
set -uo pipefail
game=${1:?usage: hostile-surroundings.sh path/to/wildcrest}
source "$(dirname "$0")/bare-x.sh"
ulimit -c 0

# What the game may never write: its own folder, the settings folder, the home.
export HOME=$work/home
mkdir -p "$HOME"
before_game=$(ls -la "$(dirname "$game")" | md5sum)

# 1. The X server killed in the middle of a game. Qt then ends the program from
# deep inside the game, leaving everything allocated: that is no leak to report.
ASAN_OPTIONS=${ASAN_OPTIONS:-}:detect_leaks=0 start_game killed-x "$game"
xdotool key --window "$win" space
sleep 3 # the deal is under way
kill -9 "$xvfb_pid"
xvfb_pid=""
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the game went on without its X server"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" -eq 1 ] || fail "without its X server the game ended with $status, not 1: $(tail -3 "$work/game.log")"
grep -qi "X11 connection\|X server\|display" "$work/game.log" || fail "no message said why it ended: $(cat "$work/game.log")"
echo "X server killed: the game ended with status 1 and said why"

# 2. The signals of a logout (HUP), of a shutdown or kill (TERM) and of Ctrl-C (INT),
# at the title screen and in play. A shell starts background jobs with SIGINT
# ignored; a terminal's game has it as the system sets it, so perl puts that back.
for signal in HUP TERM INT; do
  for moment in title play; do
    start_game "signal-$signal" perl -e '$SIG{INT} = "DEFAULT"; exec @ARGV or die' "$game"
    pid=$game_pid
    if [ "$moment" = play ]; then
      xdotool key --window "$win" space
      sleep 3 # dealt, and the first card on offer
    fi
    sent=$(date +%s%N)
    kill -"$signal" "$pid"
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.01; done
    kill -0 "$pid" 2>/dev/null && fail "the game was still running a second after SIG$signal"
    took=$((($(date +%s%N) - sent) / 1000000))
    wait "$pid"
    status=$?
    game_pid=""
    kill "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
    number=$(kill -l "$signal")
    [ "$status" -eq $((128 + number)) ] || fail "after SIG$signal the game ended with $status (a crash or a core?), not $((128 + number))"
    [ "$took" -lt 1000 ] || fail "SIG$signal took $took ms"
  done
  echo "SIG$signal at the title screen and in play: the game ended at once, by the signal, without a core"
done

# Nothing was written anywhere. (On an X display with no session bus, as here,
# libdbus starts one by itself and notes its address under ~/.dbus: not ours.)
written=$(find "$HOME" "$work/config" -mindepth 1 ! -path "$HOME/.dbus" ! -path "$HOME/.dbus/*" 2>/dev/null)
[ -z "$written" ] || fail "the game wrote: $written"
[ "$(ls -la "$(dirname "$game")" | md5sum)" = "$before_game" ] || fail "the game's folder changed"
echo "nothing was written"
