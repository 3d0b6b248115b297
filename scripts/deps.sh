#!/usr/bin/env bash
# Installs the Debian packages Tessaro needs, only when something is missing.
set -euo pipefail
need=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
      qt6-base-dev libsdl2-dev xvfb xauth imagemagick fonts-dejavu-core
      clang libclang-rt-14-dev qt6-base-private-dev
      xdotool x11-utils libxdamage-dev libxext-dev libxfixes-dev
      desktop-file-utils appstream dpkg-dev file)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
