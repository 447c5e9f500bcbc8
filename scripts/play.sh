#!/usr/bin/env bash
# Installs what is missing, builds the game and its asset pack, and starts
# the game from the asset folder (it reads its files relative to it).
set -eu
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc 2>/dev/null || echo 4)" --target tavir assets
cd build/data
exec ../tavir
