#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists the project's source files that lack their licence line, or with --add
# puts it at the top of each (after a #! line). Run from anywhere in the checkout.
#   scripts/spdx.sh          # exit 1 and the list when any file lacks it
#   scripts/spdx.sh --add
set -euo pipefail
cd "$(git -C "$(dirname "$0")" rev-parse --show-toplevel)"
line='SPDX-License-Identifier: GPL-3.0-or-later'
missing=()
while IFS= read -r f; do
  head -3 "$f" | grep -q 'SPDX-License-Identifier:' || missing+=("$f")
done < <(git ls-files -- '*.cpp' '*.h' '*.sh' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' 'play' 'check' 'bench' 'package' '.ci/run' '*.py' '*.6.in' '*.svg' '*.desktop')
if [ "${1:-}" != "--add" ]; then
  [ ${#missing[@]} -eq 0 ] && { echo "every source file carries its licence line"; exit 0; }
  printf 'no licence line: %s\n' "${missing[@]}"
  exit 1
fi
for f in "${missing[@]}"; do
  case $f in
    *.cpp | *.h) comment="// $line" ;;
    *.6.in) comment=".\\\" $line" ;;
    *.svg) comment="<!-- $line -->" ;;
    *) comment="# $line" ;;
  esac
  tmp=$(mktemp)
  if head -1 "$f" | grep -q '^#!'; then
    { head -1 "$f"; echo "$comment"; tail -n +2 "$f"; } >"$tmp"
  elif head -1 "$f" | grep -q '^<?xml'; then
    { head -1 "$f"; echo "$comment"; tail -n +2 "$f"; } >"$tmp"
  else
    { echo "$comment"; cat "$f"; } >"$tmp"
  fi
  cat "$tmp" >"$f" && rm -f "$tmp"
  echo "added: $f"
done
