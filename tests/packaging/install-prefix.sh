#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix, checks what lands where, and starts
# the installed game through bin/wildcrest and through a symbolic link in
# another directory: each must find its pictures and be waiting at the title
# screen a few seconds later. A copy of the executable alone, with no pictures
# beside it, must stop at once naming the picture it lacks.
set -euo pipefail
build=$1
tmp=$(readlink -f "$(mktemp -d)")
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install"; }

game=$prefix/lib/wildcrest
[ -x "$game/wildcrest" ] && [ ! -L "$game/wildcrest" ] || fail "no executable $game/wildcrest"
# Every picture the build drew is installed, those whose names differ only in case too.
count=0
for f in "$build"/game/*.bmp "$build"/game/*.BMP "$build"/game/wildcrest*.png; do
  cmp -s "$f" "$game/$(basename "$f")" || fail "picture $(basename "$f") not installed as built"
  count=$((count + 1))
done
[ "$count" -ge 60 ] || fail "only $count pictures in the build"
# The pictures drawn at the larger scales, in their folders: x2/Back.png, x2/four-colour/QH.png, ...
scaled=0
while IFS= read -r f; do
  rel=${f#"$build/game/"}
  cmp -s "$f" "$game/$rel" || fail "picture $rel not installed as built"
  scaled=$((scaled + 1))
done < <(find "$build/game" -path "$build/game/x*" -name '*.png')
[ "$scaled" -eq 1712 ] || fail "$scaled scaled pictures in the build, not 8 scales of 6 pictures and 4 sets of 52 faces"
for suit in S C H D; do
  [ -f "$game/8$suit.bmp" ] && [ -f "$game/8$suit.BMP" ] || fail "8$suit.bmp and 8$suit.BMP are not both installed"
done

[ -L "$prefix/bin/wildcrest" ] || fail "bin/wildcrest is not a symbolic link"
case $(readlink "$prefix/bin/wildcrest") in /*) fail "bin/wildcrest links to an absolute path";; esac
[ "$(readlink -f "$prefix/bin/wildcrest")" = "$(readlink -f "$game/wildcrest")" ] || fail "bin/wildcrest leads elsewhere"

for f in share/applications/io.github.wildcrest.wildcrest.desktop \
         share/metainfo/io.github.wildcrest.wildcrest.metainfo.xml \
         share/man/man6/wildcrest.6 \
         share/icons/hicolor/scalable/apps/io.github.wildcrest.wildcrest.svg; do
  [ -f "$prefix/$f" ] || fail "missing $f"
done
for size in 48 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/io.github.wildcrest.wildcrest.png
  [ -f "$icon" ] || fail "missing the ${size} px icon"
  # The PNG header's width and height, big-endian at bytes 16 and 20.
  [ "$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')" = "${size}x${size}" ] \
    || fail "the ${size} px icon has another size"
done
# The test and developer programs stay in the build.
extra=$(find "$prefix" -type f -perm -u+x ! -path "$game/wildcrest")
[ -z "$extra" ] || fail "installed more programs than the game: $extra"

mkdir "$tmp/elsewhere"
ln -s "$game/wildcrest" "$tmp/elsewhere/wc"
export QT_QPA_PLATFORM=offscreen
start() { "$1" >"$2" 2>&1 & pids+=($!); }
start "$prefix/bin/wildcrest" "$tmp/launcher.log"
start "$tmp/elsewhere/wc" "$tmp/link.log"

# The negative case first, while the two above set themselves up.
mkdir "$tmp/alone"
cp "$game/wildcrest" "$tmp/alone/"
status=0
timeout 20 "$tmp/alone/wildcrest" >"$tmp/alone.log" 2>&1 || status=$?
[ "$status" -eq 1 ] || { cat "$tmp/alone.log"; fail "the game without pictures ended with $status, not 1"; }
grep -q "cannot load the picture $tmp/alone/" "$tmp/alone.log" || { cat "$tmp/alone.log"; fail "no message naming the missing picture"; }

sleep 6
names=(launcher link)
for i in 0 1; do
  if ! kill -0 "${pids[$i]}" 2>/dev/null; then
    wait "${pids[$i]}" || true
    cat "$tmp/${names[$i]}.log"
    fail "the game started through the ${names[$i]} did not stay at the title screen"
  fi
done
echo "installed to a fresh prefix; the game runs through bin/wildcrest and through a link"
