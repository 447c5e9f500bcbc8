#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit
# tests, the window tests, the end-to-end tests, then the unit and window
# tests and the playthrough scripts again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 4)

bash scripts/install-deps.sh

echo "== build ($(date +%T))"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"

echo "== tests ($(date +%T))"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== tests under AddressSanitizer + UndefinedBehaviorSanitizer ($(date +%T))"
# -O1 keeps the software-rendered playthrough fast enough to play; the
# frame pointers stay for the reports' stacks.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DTAVIR_SANITIZE=ON -DTAVIR_ASSETS=OFF -DTAVIR_DATA_DIR="$PWD/build/data"
# The game itself for the playthrough scripts, and the benchmark programs
# those scripts run.
playthrough_benches=$(grep -l '^# playthrough' tests/e2e/*.sh | xargs -r grep -oh 'bench_[A-Za-z0-9]*' | sort -u |
    while read -r target; do if test -f "bench/${target#bench_}.cpp"; then echo "$target"; fi; done)
cmake --build build-asan -j"$jobs" --target tavir_tests tavir tavir_sound_log tavir_screen_watch $playthrough_benches \
    $(test -d tests/gl && ls tests/gl/*.cpp >/dev/null 2>&1 && echo tavir_gl_tests)
ctest --test-dir build-asan --output-on-failure -j"$jobs" -L 'unit|gl'

echo "== the playthrough against the sanitizer build ($(date +%T))"
# Half as many games at once: the slower build's frames would otherwise
# lag behind the scripts' screenshots.
ctest --test-dir build-asan --output-on-failure -j"$(((jobs + 1) / 2))" -L playthrough

echo "== fuzzing the OBJ/MTL reader for 60 s ($(date +%T))"
bash fuzz/run.sh 60 build/data
echo "== done ($(date +%T))"
