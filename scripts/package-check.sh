#!/usr/bin/env bash
# Checks the two Debian packages as an administrator would meet them: lintian,
# their dependencies, an install with apt-get, the server answering a login
# (through systemctl where systemd runs, else started as the packaged user),
# and a purge that leaves nothing behind but the server's data.
# Usage: package-check.sh PACKAGE_DIR LOGIN_PROBE   (as root: it changes the system)
set -euo pipefail
dir=$(realpath "$1") probe=$(realpath "$2")
client=$(ls "$dir"/quillbox_*.deb) server=$(ls "$dir"/quillbox-syncd_*.deb)
[ "$(id -u)" -eq 0 ] || { echo "package-check: run as root"; exit 1; }

for deb in "$client" "$server"; do
  echo "$(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"
  lintian --fail-on error "$deb"
done

export DEBIAN_FRONTEND=noninteractive
apt-get purge -y -qq quillbox quillbox-syncd >/dev/null 2>&1 || true
apt-get install -y -qq --no-install-recommends "$client" "$server" >/dev/null
files=$(dpkg -L quillbox quillbox-syncd | while read -r f; do [ -f "$f" ] && echo "$f"; done)

getent passwd quillbox-syncd >/dev/null || { echo "no user quillbox-syncd"; exit 1; }
[ "$(stat -c %U /var/lib/quillbox-syncd)" = quillbox-syncd ] \
  || { echo "/var/lib/quillbox-syncd not the service's"; exit 1; }

log=$(mktemp)
if [ -d /run/systemd/system ]; then
  echo "systemd runs: starting the service with systemctl"
  systemctl start quillbox-syncd
  for _ in $(seq 50); do grep -q listening < <(journalctl -u quillbox-syncd -b 2>/dev/null) && break; sleep 0.2; done
  "$probe" 22345 "probe$$" secret
  systemctl is-active quillbox-syncd
  systemctl stop quillbox-syncd
else
  echo "no systemd: starting quillbox-syncd as the packaged user quillbox-syncd"
  runuser -u quillbox-syncd -- quillbox-syncd --listen 127.0.0.1:0 2>"$log" &
  pid=$!
  for _ in $(seq 50); do grep -q listening "$log" && break; sleep 0.2; done
  port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\) .*/\1/p' "$log")
  grep -q "data /var/lib/quillbox-syncd" "$log" || { cat "$log"; echo "not the packaged data folder"; exit 1; }
  "$probe" "$port" "probe$$" secret
  kill "$pid"
  wait "$pid" || true
fi
rm -f "$log"
[ -s /var/lib/quillbox-syncd/accounts.db ] || { echo "no accounts.db"; exit 1; }

apt-get purge -y -qq quillbox quillbox-syncd >/dev/null
left=$(for f in $files; do [ -e "$f" ] && echo "$f"; done; [ -e /etc/quillbox-syncd.conf ] && echo /etc/quillbox-syncd.conf; true)
[ -z "$left" ] || { echo "left behind after purge:"; echo "$left"; exit 1; }
[ -s /var/lib/quillbox-syncd/accounts.db ] || { echo "the server's data went with the package"; exit 1; }
echo "packages: lintian clean, installed, served a login, purged leaving only /var/lib/quillbox-syncd"
