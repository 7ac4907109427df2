#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# Usage: install-deps.sh [ci]   ("ci" adds clang for the fuzzers, and mingw
# and Wine for the Windows compile check and the Windows tests).
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev qttranslations5-l10n
  libasio-dev nlohmann-json3-dev
  libx11-dev libxtst-dev libxrandr-dev
  libsqlite3-dev libsodium-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth openbox xclip xdotool x11-utils xcompmgr
  fonts-dejavu-core fonts-wqy-microhei
  desktop-file-utils appstream man-db systemd dpkg-dev lintian adduser
)
if [ "${1:-}" = ci ]; then
  packages+=(clang clang-format libclang-rt-14-dev g++-mingw-w64-x86-64
    wine wine64)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

command="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:"
  echo "  apt-get update && $command"
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
