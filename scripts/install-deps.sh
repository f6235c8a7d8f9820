#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing need, and any more named as arguments;
# quick when all are present.
set -euo pipefail

packages=(g++ make cmake qt6-base-dev libgl-dev libxcb1-dev pkg-config qt6-qpa-plugins libgtest-dev
          libbenchmark-dev fonts-liberation fonts-crosextra-carlito fontconfig
          xvfb x11-utils xdotool openbox imagemagick dbus at-spi2-core python3-pyatspi orca "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
