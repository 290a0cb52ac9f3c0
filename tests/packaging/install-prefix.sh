#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix, checks what lands where (as Debian
# lays out games), and starts the installed game as games/wildcrest and
# through a symbolic link in another directory: each must find its pictures in
# share/games/wildcrest and be waiting at the title screen a few seconds
# later. A copy of the executable alone, with no pictures, must stop at once
# naming the picture it lacks.
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

program=$prefix/games/wildcrest
data=$prefix/share/games/wildcrest
[ -x "$program" ] && [ ! -L "$program" ] || fail "no executable $program"
# The game's own look and nothing else: 52 faces, the four eights of the suit
# choice (8H.bmp and 8H.BMP are different files), the back, the moving card and
# the empty place. Every other look is drawn when the game starts.
count=0
for f in "$build"/game/*.bmp "$build"/game/*.BMP; do
  cmp -s "$f" "$data/$(basename "$f")" || fail "picture $(basename "$f") not installed as built"
  count=$((count + 1))
done
[ "$count" -eq 59 ] || fail "$count pictures in the build, not 59"
[ "$(find "$data" -type f | wc -l)" -eq 59 ] || fail "more than the 59 pictures in $data: $(ls "$data")"
[ -z "$(find "$prefix/lib" -type f 2>/dev/null)" ] || fail "files under lib: $(find "$prefix/lib" -type f)"

for f in share/applications/io.github.wildcrest.wildcrest.desktop \
         share/metainfo/io.github.wildcrest.wildcrest.metainfo.xml \
         share/man/man6/wildcrest.6.gz \
         share/doc/wildcrest/copyright share/doc/wildcrest/changelog.gz \
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
gzip -t "$prefix/share/man/man6/wildcrest.6.gz" "$prefix/share/doc/wildcrest/changelog.gz" || fail "not gzip"
# The test and developer programs stay in the build.
extra=$(find "$prefix" -type f -perm -u+x ! -path "$program")
[ -z "$extra" ] || fail "installed more programs than the game: $extra"

mkdir "$tmp/elsewhere"
ln -s "$program" "$tmp/elsewhere/wc"
export QT_QPA_PLATFORM=offscreen
start() { local log=$1; shift; "$@" >"$log" 2>&1 & pids+=($!); }
start "$tmp/program.log" "$program"
start "$tmp/link.log" "$tmp/elsewhere/wc"
# A look drawn when the game starts: nothing of it is read from the prefix.
start "$tmp/drawn.log" "$program" --scale=3 --card-style=large-index --four-colour=on

# The negative case first, while the two above set themselves up.
mkdir "$tmp/alone"
cp "$program" "$tmp/alone/"
status=0
timeout 20 "$tmp/alone/wildcrest" >"$tmp/alone.log" 2>&1 || status=$?
[ "$status" -eq 1 ] || { cat "$tmp/alone.log"; fail "the game without pictures ended with $status, not 1"; }
grep -q "cannot load the picture $tmp/alone/" "$tmp/alone.log" || { cat "$tmp/alone.log"; fail "no message naming the missing picture"; }

sleep 6
names=(program link drawn)
for i in 0 1 2; do
  if ! kill -0 "${pids[$i]}" 2>/dev/null; then
    wait "${pids[$i]}" || true
    cat "$tmp/${names[$i]}.log"
    fail "the game started as ${names[$i]} did not stay at the title screen"
  fi
done
echo "installed to a fresh prefix; the game runs as games/wildcrest and through a link"
