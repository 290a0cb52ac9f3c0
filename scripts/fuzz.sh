#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzzer (or those named) for as long as asked, over its seed corpus.
# A crash or hang is written to crash-*/timeout-* in the current folder: mend it,
# then keep the input in tests/fuzz/corpus/<fuzzer>/ as a regression case.
#   scripts/fuzz.sh 600                  # ten minutes each
#   scripts/fuzz.sh 60 picture           # one of settings-file, command-line, picture
source "$(dirname "$0")/setup.sh"
seconds=${1:?how many seconds each}
shift
names=("$@")
[ ${#names[@]} -gt 0 ] || names=(settings-file command-line picture)
wildcrest_install
WILDCREST_BUILD=$WILDCREST_ROOT/build-fuzz wildcrest_build_fuzzers
export LSAN_OPTIONS=suppressions=$WILDCREST_ROOT/tests/sanitizers/lsan.supp QT_QPA_PLATFORM=offscreen
status=0
for name in "${names[@]}"; do
  echo "== $name, $seconds s"
  "$WILDCREST_ROOT/tests/fuzz/run-fuzzer.sh" "$WILDCREST_ROOT/build-fuzz/tests/fuzz/${name//-/_}_fuzzer" \
    "$WILDCREST_ROOT/tests/fuzz/corpus/$name" "--seconds=$seconds" || status=1
done
exit $status
