#!/usr/bin/env bash
# Starts the program; on a machine without a display, inside a virtual one.
set -euo pipefail
program="$1"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi
echo "No display: running under xvfb-run."
exec xvfb-run -a -s "-screen 0 1920x1080x24" "$program"
