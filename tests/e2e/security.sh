#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the game reads and opens, checked on the real game: it takes its pictures
# only by their fixed names from beside its real executable (never from the
# folder it is started in), and it opens no network socket, only local ones
# (the X server, speech-dispatcher, the session bus). Call: security.sh path/to/wildcrest
set -uo pipefail
game=${1:?usage: security.sh path/to/wildcrest}
source "$(dirname "$0")/bare-x.sh"

# A working folder full of damaged pictures under every name the game uses.
trap_dir=$work/started-here
mkdir -p "$trap_dir"
for f in "$(dirname "$game")"/*.bmp "$(dirname "$game")"/*.BMP; do
  echo "not a picture" >"$trap_dir/$(basename "$f")"
done
cd "$trap_dir"
start_game security "$game" --speech=on --sound-cue=on
xdotool key --window "$win" space
sleep 4 # the deal, the pile and a card on offer: pictures of every kind shown
kill -0 "$game_pid" 2>/dev/null || fail "the game ended: it read a picture from the folder it was started in? $(cat "$work/game.log")"
echo "pictures come from beside the executable, not from the working folder"

# Every socket the game holds is a local one: none in the kernel's TCP or UDP tables.
inet=$(cat /proc/net/tcp /proc/net/tcp6 /proc/net/udp /proc/net/udp6 /proc/net/raw /proc/net/raw6 2>/dev/null | awk 'NR > 0 {print $10}' | sort -u)
sockets=0
for fd in /proc/"$game_pid"/fd/*; do
  target=$(readlink "$fd" 2>/dev/null) || continue
  case $target in
    socket:\[*\])
      sockets=$((sockets + 1))
      inode=${target#socket:[}
      inode=${inode%]}
      if grep -qx "$inode" <<<"$inet"; then fail "a network socket is open: $target"; fi
      ;;
  esac
done
[ "$sockets" -gt 0 ] || fail "no socket at all: not even the X server's? the check saw nothing"
echo "$sockets sockets open, every one local"
end_with_esc
