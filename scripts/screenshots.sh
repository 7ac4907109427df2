#!/usr/bin/env bash
# Screenshots of the real program for the README: a copy of the built program
# in a temporary folder, with a private home and a sample history of 20
# entries, on its own Xvfb display with openbox. Writes docs/screenshots/*.png.
#   scripts/screenshots.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
out=docs/screenshots
tool="$build/scripts/screenshot_tool/screenshot_tool"
for needed in "$build/quillbox" "$tool"; do
  [ -x "$needed" ] || { echo "screenshots: $needed is not built" >&2; exit 1; }
done
for program in Xvfb openbox xdotool xprop; do
  command -v "$program" >/dev/null || { echo "screenshots: $program is missing" >&2; exit 1; }
done

work="$(mktemp -d /tmp/qb-shots-XXXXXX)"
app="$work/app"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$app" "$work/home" "$work/run" "$out"
chmod 700 "$work/run"
cp "$build/quillbox" "$app/"
for side in icon.png back.png dark.qss gray.qss; do
  [ -f "$build/$side" ] && cp "$build/$side" "$app/"
done

# Waits up to $1 tenths of a second for the command that follows to succeed.
poll() {
  local tries="$1"
  shift
  for _ in $(seq "$tries"); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

# A display of our own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
poll 100 test -s "$work/display" || { echo "screenshots: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
export QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none
openbox --sm-disable 2>/dev/null &
pids+=($!)
# Rounded menus and popups need a compositor, as on a desktop; without one
# their transparent corners come out black.
if command -v xcompmgr >/dev/null; then
  xcompmgr 2>/dev/null &
  pids+=($!)
fi
poll 100 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' \
  || { echo "screenshots: openbox did not start" >&2; exit 1; }

"$tool" sample "$app"
# Every shot starts from the same settings; only the named keys differ.
base_settings=(auto_run=false start_paster=true show_content_type=3 collect_sort_type=0 language=1
  dark_mode=false position=)

window=""
program_pid=""
start_program() {
  "$tool" config "$app" "${base_settings[@]}" "$@"
  (cd "$app" && exec ./quillbox >"$work/program.log" 2>&1) &
  program_pid=$!
  pids+=("$program_pid")
  window=""
  for _ in $(seq 200); do
    window="$(xdotool search --onlyvisible --name '^quillbox$' 2>/dev/null | head -n1 || true)"
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "screenshots: no window; program log:" >&2; cat "$work/program.log" >&2; exit 1; }
  # No row under the pointer; then the fade-in and the scaled pictures made
  # off the GUI thread.
  xdotool mousemove 1910 1070
  sleep 1.5
}
stop_program() {
  kill -TERM "$program_pid" 2>/dev/null || true
  poll 50 sh -c "! kill -0 $program_pid" || kill -KILL "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
}
shoot() {
  "$tool" grab "$window" "$out/$1.png"
  echo "screenshots: $out/$1.png"
}

start_program
shoot main-light
stop_program

# The main window in three of its languages (codes of the "language" key).
for shot in english:0 japanese:3 german:6; do
  start_program language="${shot#*:}"
  shoot "main-${shot%%:*}"
  stop_program
done

start_program dark_mode=true
shoot main-dark
stop_program

start_program show_content_type=4
shoot favourites
stop_program

start_program
# The search box sits left in the bar under the title strip.
xdotool mousemove --window "$window" 120 70 click 1
sleep 0.3
xdotool type --delay 120 "example"
sleep 0.8
shoot search
stop_program

# The list's actions, in both themes: the context menu, the delete prompt,
# and a text and a picture pinned on screen beside the window.
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  wx=$X wy=$Y ww=$WIDTH wh=$HEIGHT
}
# Row 0 of the sample is a one-line text, row 1 a picture.
click_row() {
  xdotool mousemove --window "$window" 300 "$1" click 1
  sleep 0.2
}
pins() {
  xdotool search --onlyvisible --name '^预览$' 2>/dev/null || true
}
for theme in light dark; do
  start_program dark_mode=$([ "$theme" = dark ] && echo true || echo false)
  geometry
  xdotool mousemove --window "$window" 300 120 click 3
  sleep 0.8
  "$tool" grabarea "$wx" "$wy" "$ww" "$wh" "$out/menu-$theme.png"
  echo "screenshots: $out/menu-$theme.png"
  xdotool key Escape
  sleep 0.3

  click_row 120
  xdotool key d
  sleep 1.5
  "$tool" grabarea "$wx" "$wy" "$ww" "$wh" "$out/prompt-$theme.png"
  echo "screenshots: $out/prompt-$theme.png"
  xdotool key Escape
  sleep 0.6

  # The text pin goes right of the window, the picture pin to its left,
  # each over its edge.
  click_row 120
  xdotool key h
  poll 50 sh -c "[ -n \"\$(xdotool search --onlyvisible --name '^预览$')\" ]"
  sleep 0.5
  text_pin="$(pins | head -n1)"
  xdotool windowsize "$text_pin" 360 420
  xdotool windowmove "$text_pin" $((wx + ww - 120)) $((wy + 60))
  # Down, not a click: a click would raise the window over the first pin.
  xdotool key Down h
  poll 50 sh -c "[ \$(xdotool search --onlyvisible --name '^预览$' | wc -l) -ge 2 ]"
  sleep 0.5
  image_pin="$(pins | grep -v "^$text_pin\$" | head -n1)"
  xdotool windowsize "$image_pin" 400 225
  xdotool windowmove "$image_pin" $((wx - 280)) $((wy + 300))
  xdotool mousemove 1910 1070
  sleep 0.5
  "$tool" grabarea $((wx - 300)) $((wy - 20)) $((ww + 560)) $((wh + 40)) "$out/pins-$theme.png"
  echo "screenshots: $out/pins-$theme.png"
  stop_program
done

# The settings window over the main window, opened with the gear button, in
# both themes.
settings_windows() {
  xdotool search --onlyvisible --name '^设定$' 2>/dev/null || true
}
for theme in light dark; do
  start_program dark_mode=$([ "$theme" = dark ] && echo true || echo false)
  geometry
  # The gear of a window 900 wide: 245 pixels left of its right edge.
  xdotool mousemove --window "$window" $((ww - 245)) 22 click 1
  poll 50 sh -c "[ -n \"\$(xdotool search --onlyvisible --name '^设定$')\" ]" \
    || { echo "screenshots: the settings window did not open" >&2; exit 1; }
  xdotool mousemove 1910 1070
  sleep 1
  settings="$(settings_windows | head -n1)"
  "$tool" grab "$settings" "$out/settings-$theme.png"
  echo "screenshots: $out/settings-$theme.png"
  stop_program
done
