#!/usr/bin/env bash
# Builds Corvane and starts the game; installs only what building and playing need.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCORVANE_SANITIZE=OFF > /dev/null
cmake --build build --target corvane -j"$(nproc)"
exec build/app/corvane "$@"
