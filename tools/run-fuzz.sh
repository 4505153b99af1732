#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds, each on a scratch copy of its seed corpus.
set -euo pipefail
dir=$1
seconds=$2
status=0
export LSAN_OPTIONS="suppressions=$(pwd)/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
for target in "$dir"/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target" _fuzz)
  work=$(mktemp -d)
  if [ -d "fuzz/corpus/$name" ]; then cp -r "fuzz/corpus/$name/." "$work/"; fi
  echo "== fuzzing $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=0 "$work" 2>"$work.log"; then
    tail -n 60 "$work.log"
    echo "fuzz target $name FAILED"
    status=1
  else
    grep -E '^(#[0-9]+.*DONE|Done)' "$work.log" | tail -n 1 || true
  fi
  rm -rf "$work" "$work.log"
done
exit $status
