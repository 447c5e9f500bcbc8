#!/usr/bin/env bash
# Builds the fuzz target of the OBJ/MTL reader with clang (libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer, leak checking) and runs it
# for a bounded time on a corpus seeded with fuzz/seeds and the asset pack's
# meshes. Any crash, leak or sanitizer report fails the run.
#
#   bash fuzz/run.sh [SECONDS] [ASSET_FOLDER]   (defaults: 60, build/data)
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
data=$(cd "${2:-build/data}" 2>/dev/null && pwd || echo "${2:-build/data}")
# Absolute: the target works in a folder of its own.
out=$PWD/build-fuzz

if ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzz: clang++ is missing (Debian packages clang and libclang-rt-14-dev)" >&2
    exit 1
fi

sources=(
    fuzz/ObjParserFuzz.cpp
    src/ObjLoader/*.cpp
    src/Mesh/Mesh.cpp src/VertexBuffer/VertexBuffer.cpp src/Texture/Texture.cpp src/OpenGL/GLContext.cpp
    src/Geometry/Polygon3D.cpp src/Geometry/Plane3D.cpp src/Vertex/Vertex.cpp src/Vector3D/Vector3D.cpp
    src/GeneralMath/GeneralMath.cpp
)
mkdir -p "$out/corpus" "$out/seeds" "$out/crashes"
echo "fuzz: building $out/ObjParserFuzz"
# shellcheck disable=SC2046
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -ffunction-sections -Wl,--gc-sections \
    -Isrc $(sdl-config --cflags) "${sources[@]}" \
    -o "$out/ObjParserFuzz" -lSDL -lGLEW -lGLU -lGL

rm -f "$out"/seeds/*
cp fuzz/seeds/* "$out/seeds/"
if compgen -G "$data/ObjFiles/*.obj" >/dev/null; then
    cp "$data"/ObjFiles/*.obj "$out/seeds/"
else
    echo "fuzz: no meshes in $data/ObjFiles; seeding with fuzz/seeds only"
fi

echo "fuzz: running for $seconds s"
# Standard output is closed (the reader's complaints); reports go to stderr.
"$out/ObjParserFuzz" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
    -close_fd_mask=1 -print_final_stats=1 -artifact_prefix="$out/crashes/" \
    "$out/corpus" "$out/seeds"
