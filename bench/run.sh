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

echo
echo "== saving the ranking grid of 65,535 records (\"Excel\", all rows) =="
old="$work/pages-65535-old.htm"
new="$work/pages-65535-new.htm"
[ -f "$old" ] && [ -f "$new" ] || "$bin/generate_pages" 65535 2026 "$new" "$old" > /dev/null
# Ranking rows are the new page's holders plus those who left: take the new page as both
# states so that there are exactly 65,535 records.
"$bin/bench_export" "$new" "$new" "$work/ranking-65535.xls"
timed() {
  local start end
  start=$(date +%s%N)
  "$@" > /dev/null 2>&1
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.3f", ns / 1e9 }'
}
printf 'stanjomer-cli --page ranking --xls, two pages of 65,535 holders (no one left): %s s\n' \
  "$(timed "$bin/stanjomer-cli" --page ranking --xls "$work/cli-ranking.xls" "$new" "$new")"
printf 'stanjomer-cli --page changes --xls, two pages of 65,535 holders:              %s s\n' \
  "$(timed "$bin/stanjomer-cli" --page changes --xls "$work/cli-changes.xls" "$old" "$new")"

if [ -f bench/writer/run.sh ]; then
  bash bench/writer/run.sh "$build"
fi
