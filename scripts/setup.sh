#!/usr/bin/env bash
# Installs what the build and the tests need on Debian, when it is missing.
set -euo pipefail

packages=(cmake g++ ninja-build ccache pkg-config libicu-dev libsqlite3-dev libgtest-dev
          qt6-base-dev libgl-dev libcli11-dev nlohmann-json3-dev ripgrep fonts-noto-cjk)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
  sudo apt-get update -qq
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
else
  echo "Please install these packages as root, then run this command again:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi
