#!/usr/bin/env bash
# make bench: read + compare + fill on generated page pairs of growing size, then the
# workbook writer beside its peers.
set -euo pipefail
build=${1:-build}
bin="$build/bin"
work="$build/bench"
mkdir -p "$work"

echo "== read + compare + fill (two pages of N holders each) =="
for n in 1000 10000 100000 1000000; do
  old="$work/pages-$n-old.htm"
  new="$work/pages-$n-new.htm"
  [ -f "$old" ] && [ -f "$new" ] || "$bin/generate_pages" "$n" 2026 "$old" "$new" > /dev/null
  best=""
  for attempt in 1 2 3; do
    line=$("$bin/bench_compare" "$old" "$new")
    t=$(sed -E 's/.*time ([0-9.]+) s.*/\1/' <<< "$line")
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best_t)}"; then best="$line"; best_t=$t; fi
    [ "$n" -ge 1000000 ] && break
  done
  printf 'N=%-8s %s\n' "$n" "$best"
done
rm -f "$work"/pages-1000000-*.htm  # 400 MB; made again on the next run

if [ -x bench/writer/run.sh ]; then
  bash bench/writer/run.sh "$build"
fi
