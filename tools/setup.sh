#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Morvane needs.
# Packages already present are skipped; run as root (or with sudo available).
set -euo pipefail

packages=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libasio-dev libsqlite3-dev libsodium-dev nlohmann-json3-dev
  libgif-dev
  fonts-wqy-zenhei fonts-noto-color-emoji
  clang libclang-rt-14-dev
  xvfb
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
