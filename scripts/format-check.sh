#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')
[ ${#files[@]} -eq 0 ] && exit 0
bad=0
for f in "${files[@]}"; do
  if ! diff -q <(clang-format --style=file "$f") "$f" > /dev/null; then
    echo "format-check: $f is not clang-formatted (run: clang-format -i $f)"
    bad=1
  fi
done
exit $bad
