#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A match stopped after each of its turns in turn, each stop in a run of its
# own, and resumed from that turn's save: the rest of the match prints, line for
# line, what the match printed without a stop. The shuffles take no clock
# readings here, so that a run started at another virtual moment shuffles the same.
# The player presses as the standard rule plays; the computer plays at LEVEL,
# whose memory of the match is kept in the save too.
# Call: resume.sh path/to/wildcrest-sim SEED [LEVEL]
set -uo pipefail
sim=${1:?usage: resume.sh path/to/wildcrest-sim SEED [LEVEL]}
seed=${2:?usage: resume.sh path/to/wildcrest-sim SEED [LEVEL]}
level=${3:-standard}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
play=(--seed="$seed" --matches=1 --player-strategy=standard --computer="$level" --clockless)
"$sim" "${play[@]}" --keep="$work" > "$work/whole.jsonl" 2>/dev/null || { echo "the whole match did not play"; exit 1; }
turns=$(wc -l < "$work/whole.jsonl")
resumeAt() {
  local k=$1
  if cmp -s <("$sim" "${play[@]}" --resume="$work/turn-$k.save" --turns-before="$k" 2>/dev/null) <(tail -n +"$((k + 1))" "$work/whole.jsonl"); then
    echo pass
  else
    echo "stopped after turn $k: the rest of the match is not as it was without a stop" >&2
    echo fail
  fi
}
results=$(for k in $(seq 1 $((turns - 1))); do
  [ -f "$work/turn-$k.save" ] || { echo "turn $k left no save" >&2; echo fail; continue; }
  resumeAt "$k"
done)
passed=$(grep -c pass <<< "$results")
failed=$(grep -c fail <<< "$results")
# The last turn deals the next match: nothing is kept for it.
[ -f "$work/turn-$turns.save" ] && { echo "the match's end left a save"; failed=$((failed + 1)); }
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 10 ]
