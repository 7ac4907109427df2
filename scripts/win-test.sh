#!/usr/bin/env bash
# Builds the Windows platform layer and its tests (tests/win/) with MinGW and
# runs them against real Win32 under Wine, in a private prefix and on a
# private Xvfb display. Exits with the tests' status.
# Usage: [WIN_BUILD_DIR=build-win] win-test.sh [GoogleTest options]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$(realpath -m "${WIN_BUILD_DIR:-build-win}")
mkdir -p "$out/obj"

cxx=x86_64-w64-mingw32-g++-posix # the default thread model has no std::mutex
gtest=/usr/src/googletest/googletest
flags=(-std=c++17 -O1 -g0 -Wall -Wextra -Werror -I"$root" -isystem "$gtest/include" -DUNICODE
  -D_UNICODE)

export WINEPREFIX=$out/prefix WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer dialogs: the tests need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

# A display of our own, found free by Xvfb itself; stopped on the way out
# together with the prefix's wineserver.
xvfb_pid=
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
rm -f "$out/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$out/display" >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$out/display" ] && break
  sleep 0.1
done
[ -s "$out/display" ] || { echo "Xvfb did not start (see $out/xvfb.log)"; exit 1; }
export DISPLAY=:$(head -1 "$out/display")

# The prefix is made once, while the compiler works. The virtual desktop in
# the registry spares each hidden or destroyed window a wait for a timeout.
# A prefix left half made is made again.
prefix_pid=
ready=$WINEPREFIX/quillbox-prefix-ready
if [ ! -f "$ready" ]; then
  (
    set -e
    rm -rf "$WINEPREFIX"
    wineboot -i
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f
    wineserver -w
    touch "$ready"
  ) >"$out/prefix.log" 2>&1 &
  prefix_pid=$!
fi

# Compiles one source into obj/ when the object is missing or older than the
# source or (for our sources) any header of ours.
newest_header=$(find "$root/platform" "$root/tests/win" -name '*.h' -printf '%T@\n' | sort -n | tail -1)
compile() {
  local src=$1 obj
  obj=$out/obj/$(echo "${src#"$root"/}" | tr / _).o
  if [ ! -f "$obj" ] || [ "$src" -nt "$obj" ] \
    || { [[ $src == "$root"/* ]] && [ "$(stat -c %Y "$obj")" -lt "${newest_header%.*}" ]; }; then
    "$cxx" "${flags[@]}" "${@:2}" -c "$src" -o "$obj"
  fi
  echo "$obj" >>"$out/objects.list"
}

: >"$out/objects.list"
sources=("$root"/platform/platform.cpp "$root"/platform/window_title_text.cpp
  "$root"/platform/win/*.cpp "$root"/tests/win/*.cpp)
pids=()
compile "$gtest/src/gtest-all.cc" -I"$gtest" -w & pids+=($!)
compile "$gtest/src/gtest_main.cc" -w & pids+=($!)
for src in "${sources[@]}"; do
  compile "$src" & pids+=($!)
done
status=0
for p in "${pids[@]}"; do wait "$p" || status=1; done
[ $status -eq 0 ] || { echo "Windows tests: build failed"; exit 1; }

mapfile -t objects <"$out/objects.list"
"$cxx" -static -o "$out/quillbox_win_tests.exe" "${objects[@]}" \
  -luser32 -lgdi32 -lshell32 -lgdiplus -lpsapi -ladvapi32 -lole32

if [ -n "$prefix_pid" ] && ! wait "$prefix_pid"; then
  echo "Wine prefix not created (see $out/prefix.log)"
  exit 1
fi

cd "$out"
set +e
# A hung case must not hold CI up: the whole run is cut after 5 minutes.
timeout 300 wine quillbox_win_tests.exe "$@"
status=$?
set -e
echo "Windows tests under Wine: exit status $status"
exit $status
