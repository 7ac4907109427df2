#!/usr/bin/env bash
# Fails when a source folder includes from a folder on a higher floor:
# core <- platform <- history, sync <- actions, hotkeys, widgets, server <- app.
set -euo pipefail
cd "$(dirname "$0")/.."

floor() {
  case "$1" in
    core | resources) echo 0 ;;
    platform) echo 1 ;;
    history | sync) echo 2 ;;
    actions | hotkeys | widgets | server) echo 3 ;;
    app) echo 4 ;;
    *) echo "" ;;
  esac
}

status=0
while IFS=: read -r file line text; do
  from=${file%%/*}
  to=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$text")
  from_floor=$(floor "$from")
  to_floor=$(floor "$to")
  if [ -z "$to_floor" ]; then
    echo "$file:$line: includes from $to/, which is no source folder"
    status=1
  elif [ "$to_floor" -gt "$from_floor" ]; then
    echo "$file:$line: $from/ includes from $to/, a floor above it"
    status=1
  fi
done < <(git ls-files 'core/*' 'platform/*' 'history/*' 'sync/*' 'actions/*' 'hotkeys/*' \
  'widgets/*' 'server/*' 'app/*' | grep -E '\.(h|cpp)$' | xargs grep -nH '^#include "' || true)
[ "$status" -eq 0 ] && echo "floors: every include looks down"
exit "$status"
