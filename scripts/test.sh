#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit
# tests, the window tests, the end-to-end tests, then the unit and window
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 4)

bash scripts/install-deps.sh

echo "== build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"

echo "== tests"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== tests under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTAVIR_SANITIZE=ON -DTAVIR_ASSETS=OFF -DTAVIR_DATA_DIR="$PWD/build/data"
cmake --build build-asan -j"$jobs" --target tavir_tests $(test -d tests/gl && ls tests/gl/*.cpp >/dev/null 2>&1 && echo tavir_gl_tests)
ctest --test-dir build-asan --output-on-failure -j"$jobs" -L 'unit|gl'

echo "== fuzzing the OBJ/MTL reader (60 s)"
bash fuzz/run.sh 60 build/data
