#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one fuzzer over its seed corpus: a fixed number of runs (as ./check does)
# or for a number of seconds. New inputs it finds go to a scratch folder; a
# crash is written to crash-* in the current folder and fails the run.
# Call: run-fuzzer.sh FUZZER SEED_CORPUS (--runs=N | --seconds=N)
set -euo pipefail
fuzzer=$1 corpus=$2 how=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
case $how in
  --runs=*) limit="-runs=${how#--runs=}" ;;
  --seconds=*) limit="-max_total_time=${how#--seconds=}" ;;
  *) echo "usage: run-fuzzer.sh FUZZER SEED_CORPUS (--runs=N | --seconds=N)" >&2; exit 2 ;;
esac
# A hang is a second on one input; one allocation over 256 MB is a fault too (the
# sanitizer's quarantine alone keeps a few hundred MB, hence the higher total limit).
seed=(); [ "${how%%=*}" = --runs ] && seed=(-seed=1)
"$fuzzer" "$limit" -timeout=1 -rss_limit_mb=2048 -malloc_limit_mb=256 -max_len=70000 "${seed[@]}" -print_final_stats=1 "$scratch" "$corpus" 2>&1 | tail -40
