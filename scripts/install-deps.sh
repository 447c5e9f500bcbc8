#!/usr/bin/env bash
# Installs the Debian packages Tavir needs to build, run and test.
# Idempotent: only what is missing is installed.
set -eu

packages=(
    build-essential cmake pkg-config
    libsdl1.2-dev libsdl-mixer1.2-dev
    libgl-dev libglu1-mesa-dev libglew-dev libgl1-mesa-dri
    libgtest-dev libgmock-dev libbenchmark-dev
    libfreetype-dev fonts-dejavu-core libsndfile1-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool x11-apps x11-utils imagemagick mesa-utils
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case $status in
        "install ok installed") ;;
        *) missing+=("$p") ;;
    esac
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages already installed"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
fi
if ! command -v apt-get >/dev/null 2>&1; then
    echo "install-deps: apt-get not found; this script supports Debian 12 only" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ! apt-get update -q; then
    echo "install-deps: apt-get update failed (no network or no package source?)" >&2
    exit 1
fi
if ! apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    echo "install-deps: apt-get install failed for: ${missing[*]}" >&2
    exit 1
fi
echo "install-deps: done"
