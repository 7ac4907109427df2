#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
set -euo pipefail
build="${1:-build-fuzz}"
seconds="${2:-60}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DQUILLBOX_FUZZ=ON -DQUILLBOX_TESTS=OFF -DQUILLBOX_BENCH=OFF
cmake --build "$build" -j"$(nproc)" --target fuzz_all
found=0
while IFS= read -r target; do
  found=1
  corpus="$build/corpus/$(basename "$target")"
  mkdir -p "$corpus"
  echo "== $(basename "$target") for ${seconds}s"
  "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus"
done < <(find "$build/fuzz" -type f -name 'fuzz_*' -perm -u+x 2>/dev/null | sort)
[ $found -eq 1 ] || echo "no fuzz targets built"
