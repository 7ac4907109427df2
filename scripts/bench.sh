#!/usr/bin/env bash
# Runs every benchmark of a build tree; each prints "BENCH <key> <value> <unit>".
set -euo pipefail
build="${1:-build}"
found=0
while IFS= read -r bench; do
  found=1
  echo "== $(basename "$bench")" >&2
  "$bench"
done < <(find "$build/bench" -type f -name 'bench_*' -perm -u+x 2>/dev/null | sort)
[ $found -eq 1 ] || echo "no benchmarks built" >&2
