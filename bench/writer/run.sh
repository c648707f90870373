#!/usr/bin/env bash
# The writer benchmark: our writer beside Python's xlwt and Perl's Spreadsheet::WriteExcel
# writing the same 65,536 x 8 sheet. Usage: bench/writer/run.sh <build-dir>
# Leaves our workbook at <build-dir>/bench/writer-65536x8.xls.
set -euo pipefail
build=${1:?usage: bench/writer/run.sh <build-dir>}
here=$(cd "$(dirname "$0")" && pwd)
out="$build/bench"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

peak() {  # peak resident memory in MB of a finished /usr/bin/time -v run
  awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$1"
}

echo "== writer benchmark: 65,536 rows x 8 columns =="
/usr/bin/time -v "$build/bin/bench_writer" "$out/writer-65536x8.xls" 2> "$work/ours.time"
echo "           (peak by /usr/bin/time: $(peak "$work/ours.time") MB)"
if /usr/bin/python3 -c 'import xlwt' 2> /dev/null; then
  /usr/bin/time -v /usr/bin/python3 "$here/xlwt_peer.py" "$work/xlwt.xls" 2> "$work/xlwt.time"
  echo "           peak $(peak "$work/xlwt.time") MB  file $(du -m "$work/xlwt.xls" | cut -f1) MB"
else
  echo "xlwt       not installed (python3-xlwt)"
fi
if /usr/bin/perl -MSpreadsheet::WriteExcel -e 1 2> /dev/null; then
  /usr/bin/time -v /usr/bin/perl "$here/writeexcel_peer.pl" "$work/writeexcel.xls" 2> "$work/perl.time"
  echo "           peak $(peak "$work/perl.time") MB  file $(du -m "$work/writeexcel.xls" | cut -f1) MB"
else
  echo "WriteExcel not installed (libspreadsheet-writeexcel-perl)"
fi
