#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole matches played on the virtual clock print, turn by turn, exactly the
# states kept in golden/: any change to the rules, the deal, the computer's
# choices or the timing of the switch shows here as the first line that differs.
# Call: golden.sh path/to/wildcrest-sim
set -uo pipefail
sim=${1:?usage: golden.sh path/to/wildcrest-sim}
golden=$(dirname "$0")/golden
passed=0 failed=0
for kept in "$golden"/seed-*.jsonl.gz; do
  seed=${kept##*/seed-}; seed=${seed%.jsonl.gz}
  if cmp <("$sim" --seed="$seed" --matches=2) <(gzip -dc "$kept"); then
    passed=$((passed + 1))
  else
    echo "seed $seed: the matches no longer play as kept in $kept"
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
