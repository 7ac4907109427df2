#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the tree as a
# distribution would: programs, shipped files, the desktop entry and metainfo
# by their validators, every icon size, the manual pages, the service unit.
# Usage: check-install.sh BUILD_DIR INSTALL_PREFIX APP_ID
set -euo pipefail
build=$1 prefix=$2 id=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$root" cmake --install "$build" >/dev/null
tree=$root$prefix

for program in quillbox quillbox-syncd; do
  [ -x "$tree/bin/$program" ] || fail "bin/$program missing"
done
for file in icon.png back.png dark.qss gray.qss; do
  [ -s "$tree/share/quillbox/$file" ] || fail "share/quillbox/$file missing"
done

# Validators print hints freely; errors and warnings fail.
desktop=$tree/share/applications/$id.desktop
if out=$(desktop-file-validate "$desktop" 2>&1) && ! grep -qiE 'error|warning' <<<"$out"; then :
else fail "desktop-file-validate: $out"; fi
grep -q "^Keywords\[de\]=" "$desktop" || fail "no German keywords"
out=$(appstreamcli validate --no-net "$tree/share/metainfo/$id.metainfo.xml" 2>&1) \
  || fail "appstreamcli: $out"

[ -s "$tree/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "scalable icon missing"
for size in 48 128 256; do
  png=$tree/share/icons/hicolor/${size}x${size}/apps/$id.png
  # The PNG header holds the width and the height as big-endian words at 16.
  read -r -a b < <(od -An -tu1 -j16 -N8 "$png" 2>/dev/null || true)
  dims=$(( (b[2] << 8) + b[3] ))x$(( (b[6] << 8) + b[7] ))
  [ "$dims" = "${size}x$size" ] || fail "icon ${size}x$size: header says $dims"
done

for page in man1/quillbox.1.gz man8/quillbox-syncd.8.gz; do
  warnings=$(MANWIDTH=80 man --warnings -l "$tree/share/man/$page" 2>&1 >/dev/null) \
    && [ -z "$warnings" ] || fail "man $page: $warnings"
  MANWIDTH=80 man -l "$tree/share/man/$page" 2>/dev/null | grep -q '^NAME' || fail "man $page unreadable"
done

# The unit runs the installed program: verified against the tree's copy.
unit=$(find "$root" -name quillbox-syncd.service)
[ -n "$unit" ] || fail "no quillbox-syncd.service"
if [ -n "$unit" ]; then
  grep -qx "ExecStart=$prefix/bin/quillbox-syncd" "$unit" || fail "unit runs another program"
  mkdir "$root/unit"
  sed "s|^ExecStart=|ExecStart=$root|" "$unit" >"$root/unit/quillbox-syncd.service"
  out=$(systemd-analyze verify --man=no "$root/unit/quillbox-syncd.service" 2>&1) \
    || fail "systemd-analyze verify: $out"
fi
[ -n "$(find "$root" -name quillbox-syncd.conf)" ] || fail "no quillbox-syncd.conf"

# Both answer without a display or a configuration.
"$tree/bin/quillbox" --version | grep -q "^quillbox [0-9]" || fail "quillbox --version"
env -u DISPLAY "$tree/bin/quillbox" --help | grep -q "^Usage: quillbox" || fail "quillbox --help"
"$tree/bin/quillbox-syncd" --help | grep -q "^Usage: quillbox-syncd" || fail "quillbox-syncd --help"

[ "$failures" -eq 0 ] && echo "install tree complete and valid"
exit $((failures > 0))
