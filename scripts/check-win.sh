#!/usr/bin/env bash
# Compile-checks the Windows platform layer with the MinGW cross compiler.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
for f in platform/platform.cpp platform/win/*.cpp; do
  x86_64-w64-mingw32-g++ -std=c++17 -fsyntax-only -Wall -Wextra -Werror -I. "$f" || status=1
done
[ $status -eq 0 ] && echo "Windows platform layer: compiles"
exit $status
