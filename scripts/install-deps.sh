#!/usr/bin/env bash
# Installs the Debian 12 packages that building and playing Corvane need, and any more named as arguments
# (the test and package scripts name theirs); quick when all are present.
set -euo pipefail

# The compiler and build tools, Qt, libxcb (to try the display before Qt would abort on one it cannot
# open), Qt's Linguist tools and their CMake functions (the catalogues of the program's texts are compiled
# into it), Qt's own catalogues (the buttons of its prompts in the player's language), and the two fonts
# the window is laid out in: Carlito for the dialogs, Liberation Sans for the words in the piece menu.
packages=(g++ make cmake pkgconf qt6-base-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libxcb1-dev fontconfig
          fonts-crosextra-carlito fonts-liberation "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo > /dev/null || { echo "Please install them as root: apt-get install ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
