#!/usr/bin/env bash
# Installs what is missing, builds Halvex and runs every test headless: in the normal build, then
# in a clang build under AddressSanitizer and UndefinedBehaviorSanitizer (scripts/sanitize.sh).
# `scripts/test.sh --quick` runs the normal build's tests alone, for quick checks while working.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
build="${HALVEX_BUILD_DIR:-$root/build}"
(
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir "$build" --output-on-failure --timeout 120 -j "$(nproc)"
)
if [ "${1:-}" != "--quick" ]; then
    "$root/scripts/sanitize.sh"
fi
