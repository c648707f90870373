#!/usr/bin/env bash
# Runs every libFuzzer target in the given folder for the given number of seconds,
# under AddressSanitizer and UndefinedBehaviorSanitizer. A crash fails the run.
set -euo pipefail
bin_dir=$(cd "$1" && pwd)
seconds=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shopt -s nullglob
targets=("$bin_dir"/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
  echo "run-fuzzers: no fuzz targets in $bin_dir" >&2
  exit 1
fi
for target in "${targets[@]}"; do
  name=$(basename "$target")
  echo "== fuzzing $name for ${seconds}s =="
  mkdir -p "$work/$name"
  (cd "$work" && "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
      "$work/$name" > "$work/$name.log" 2>&1) || { tail -n 60 "$work/$name.log"; exit 1; }
  grep -E 'stat::number_of_executed_units' "$work/$name.log" || true
done
