#!/usr/bin/env bash
# Builds Halvex with clang under AddressSanitizer and UndefinedBehaviorSanitizer, with the fuzz
# targets, in <repo>/build-asan and runs every test there; any sanitizer report fails its test.
# Each test program runs whole in one process: an instrumented Qt start-up per test case would
# cost more than all the cases together.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${HALVEX_SANITIZE_BUILD_DIR:-$root/build-asan}"
source "$root/scripts/sanitizer-env.sh"

if [ ! -f "$build/build.ninja" ]; then
    # -O1 with line tables: reports name their lines, and the build takes far less time than -O2 -g.
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only -DNDEBUG" \
        "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only -DNDEBUG" \
        -DHALVEX_SANITIZE=ON -DHALVEX_FUZZ=ON -DHALVEX_BUILD_BENCH=OFF
fi
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen

listing="$(ctest --test-dir "$build" -N -V)"
mapfile -t programs < <(sed -n 's/^[0-9]*: Test command: \([^ ]*\) "--gtest_filter=.*/\1/p' \
    <<< "$listing" | sort -u)
others="$(sed -n '/--gtest_filter=/d; s/^\([0-9]*\): Test command: .*/\1/p' <<< "$listing" |
    paste -sd, -)"

status=0
printf '%s\n' "${programs[@]}" | xargs -P "$(nproc)" -I{} bash -c '
    log="$1.sanitize.log"
    if timeout 900 "$1" --gtest_brief=1 > "$log" 2>&1; then
        echo "passed: $1"
    else
        echo "FAILED: $1"
        tail -n 80 "$log"
        exit 1
    fi' _ {} || status=1
if [ -n "$others" ]; then
    ctest --test-dir "$build" --output-on-failure --timeout 300 -I "0,0,0,$others" || status=1
fi
exit $status
