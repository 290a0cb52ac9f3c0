#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's package checker on the built package, where it is installed: no
# error and no warning, and every pedantic or informational tag it still gives
# is named, with its reason, in the README's packaging section.
#   tests/packaging/lintian.sh [path/to/wildcrest.deb]   # without one, ./package builds it
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
command -v lintian >/dev/null || { echo "lintian is not installed: skipped"; exit 0; }
deb=${1:-$("$root/package")}
out=$(lintian --pedantic --info -E --display-level '>=pedantic' --tag-display-limit 0 "$deb" 2>&1) || true
echo "$out"
if echo "$out" | grep -q '^[EW]: '; then
  echo "FAIL: lintian reports errors or warnings"
  exit 1
fi
# The README's section from "### Debian's package checker" to the next heading.
section=$(sed -n "/^### Debian's package checker/,/^##/p" "$root/README.md")
missing=0
for tag in $(echo "$out" | sed -n 's/^[IPX]: [^ ]* [^ ]*: \([^ ]*\).*/\1/p; s/^[IPX]: [^ ]*: \([^ ]*\).*/\1/p' | sort -u); do
  echo "$section" | grep -q -- "\`$tag\`" || { echo "FAIL: the README does not explain $tag"; missing=1; }
done
[ "$missing" -eq 0 ] || exit 1
echo "lintian: no error, no warning; every tag left is explained in the README"
