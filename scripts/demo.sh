#!/usr/bin/env bash
# make demo: compares the two bundled sample pages and prints both results.
set -euo pipefail
bin=${1:-build/bin}
cd "$(dirname "$0")/.."
old=samples/staro-stanje.htm
new=samples/novo-stanje.htm

echo "== Promena broja akcija ($old -> $new) =="
"$bin/stanjomer-cli" --page changes "$old" "$new"
echo
echo "== Promena redosleda ($old -> $new) =="
"$bin/stanjomer-cli" --page ranking "$old" "$new"
echo
echo "== Promena redosleda, samo sa promenama, prvih 12 =="
"$bin/stanjomer-cli" --page ranking --changed-only --first-12 "$old" "$new"

mkdir -p out
changes=$("$bin/stanjomer-cli" --page changes --xls "out/Promena broja akcija.xls" "$old" "$new")
ranking=$("$bin/stanjomer-cli" --page ranking --xls "out/Promena redosleda.xls" "$old" "$new")
echo
echo "Workbooks written:"
echo "  $(pwd)/$changes"
echo "  $(pwd)/$ranking"
