#!/usr/bin/env bash
# Builds Halvex with clang under AddressSanitizer and UndefinedBehaviorSanitizer, with the fuzz
# targets, in <repo>/build-asan and runs every test there; any sanitizer report fails its test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${HALVEX_SANITIZE_BUILD_DIR:-$root/build-asan}"
source "$root/scripts/sanitizer-env.sh"

if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DHALVEX_SANITIZE=ON -DHALVEX_FUZZ=ON -DHALVEX_BUILD_BENCH=OFF
fi
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --timeout 300 -j "$(nproc)"
