#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, checks it with lintian (where installed) and its
# size, installs it on this machine with apt-get, starts the installed game and
# checks it is waiting at its title screen, plays a card in it on a bare X
# server, then removes the package again and checks nothing of it is left. Needs root (or sudo); changes the system, so
# ./check does not run it:
#   tests/packaging/installed-smoke.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo

deb=$("$root/package")
echo "package: $deb"
dpkg-deb -f "$deb" Depends
bytes=$(stat -c %s "$deb")
echo "package size: $bytes bytes; installed size: $(dpkg-deb -f "$deb" Installed-Size) KB; $(dpkg-deb -c "$deb" | grep -vc '/$') files"
[ "$bytes" -lt 3000000 ] || { echo "FAIL: the package is 3 MB or more"; exit 1; }
bash "$root/tests/packaging/lintian.sh" "$deb"

log=$(mktemp)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -f "$log"
  echo "removing the package"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq wildcrest >/dev/null
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb"
[ "$(dpkg-query -W -f='${Status}' wildcrest)" = "install ok installed" ] || fail "wildcrest is not installed"

for f in /usr/games/wildcrest /usr/share/games/wildcrest/Card.bmp \
         /usr/share/games/wildcrest/8H.bmp /usr/share/games/wildcrest/8H.BMP \
         /usr/share/doc/wildcrest/copyright /usr/share/doc/wildcrest/changelog.gz \
         /usr/share/applications/io.github.wildcrest.wildcrest.desktop \
         /usr/share/metainfo/io.github.wildcrest.wildcrest.metainfo.xml \
         /usr/share/icons/hicolor/48x48/apps/io.github.wildcrest.wildcrest.png \
         /usr/share/icons/hicolor/scalable/apps/io.github.wildcrest.wildcrest.svg \
         /usr/share/man/man6/wildcrest.6.gz; do
  [ -e "$f" ] || fail "missing $f"
done
desktop-file-validate /usr/share/applications/io.github.wildcrest.wildcrest.desktop
man -w wildcrest >/dev/null || fail "man cannot find wildcrest(6)"

# Started from elsewhere, as the desktop's menu would: it calibrates for two or
# three seconds, then shows the title and waits for a key. A missing picture
# would have ended it at once with status 1.
cd /
QT_QPA_PLATFORM=offscreen /usr/games/wildcrest >"$log" 2>&1 &
pid=$!
sleep 6
if ! kill -0 "$pid" 2>/dev/null; then
  status=0
  wait "$pid" || status=$?
  pid=""
  cat "$log"
  fail "the installed game ended with status $status instead of waiting at its title screen"
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "the installed game started and was waiting at its title screen after 6 s"
# Real keys on a bare X server: the title goes, a card is lifted and played.
bash "$root/tests/e2e/play-on-x.sh" /usr/games/wildcrest || fail "the installed game did not play a card"
trap - EXIT
cleanup
left=$(find /usr/games/wildcrest /usr/share/games/wildcrest /usr/share/doc/wildcrest 2>/dev/null || true)
[ -z "$left" ] || fail "left after removing: $left"
echo "PASS: the package passed lintian, installed, started to its title, played a card and was removed cleanly"
