#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The version comes from the build alone: --version, the newest release of the
# metainfo and the manual page's header all say the build's version.
# Call: one-version.sh path/to/wildcrest metainfo.xml wildcrest.6 VERSION
set -uo pipefail
exe=$1 metainfo=$2 manual=$3 version=$4
fail() { echo "FAIL: $*"; exit 1; }

said=$(env -u DISPLAY -u WAYLAND_DISPLAY "$exe" --version) || fail "--version ended with an error"
[ "$said" = "wildcrest $version" ] || fail "--version says '$said', the build is $version"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is '$newest', the build is $version"
grep -q "^\.TH WILDCREST 6 [0-9-]* \"Wildcrest $version\"" "$manual" || fail "the manual page's header names another version: $(head -1 "$manual")"
echo "wildcrest $version everywhere"
