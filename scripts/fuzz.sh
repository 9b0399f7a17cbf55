#!/usr/bin/env bash
# Fuzzes every target of tests/fuzz for a bounded time each (seconds, default 30), from its seed
# corpus and the inputs of earlier findings, in the sanitizer build (scripts/sanitize.sh builds it).
# New inputs and crash reproducers go to <build>/fuzz/<target>/; any finding fails the run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${HALVEX_SANITIZE_BUILD_DIR:-$root/build-asan}"
seconds="${1:-30}"
source "$root/scripts/sanitizer-env.sh"
export QT_QPA_PLATFORM=offscreen
# The targets write their files many thousand times a second: into memory where the system allows.
[ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

status=0
for target in "$build"/tests/fuzz/*_fuzz; do
    name="$(basename "$target" _fuzz)"
    work="$build/fuzz/$name"
    mkdir -p "$work/corpus"
    inputs=("$work/corpus" "$root/tests/fuzz/corpus/$name")
    [ -d "$root/tests/fuzz/regressions/$name" ] && inputs+=("$root/tests/fuzz/regressions/$name")
    options=()
    [ -f "$root/tests/fuzz/$name.dict" ] && options+=(-dict="$root/tests/fuzz/$name.dict")
    [ -f "$root/tests/fuzz/$name.options" ] && read -r -a more < "$root/tests/fuzz/$name.options" && options+=("${more[@]}")
    echo "== fuzzing $name for ${seconds} s"
    if ! "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" \
        "${options[@]}" "${inputs[@]}" > "$work/log.txt" 2>&1; then
        status=1
        echo "!! $name found a problem; the reproducer is in $work/:" >&2
        tail -n 40 "$work/log.txt" >&2
    fi
    grep -E '^stat::number_of_executed_units|cov:' "$work/log.txt" | tail -n 2 || true
done
exit $status
