#!/usr/bin/env bash
# Remakes docs/game-in-progress.png, the README's picture of a game in progress, from the real program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh xvfb x11-utils xdotool openbox imagemagick dbus at-spi2-core python3-pyatspi
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build --target corvane -j"$(nproc)"
mkdir -p docs
dbus-run-session -- /usr/bin/python3 scripts/screenshot.py build/app/corvane docs/game-in-progress.png
