#!/usr/bin/env bash
# Times from starting Halvex to its first visible window on a virtual X server, against a minimal Qt
# Widgets program that shows one empty dialog, measured the same way in the same run.
#
#   scripts/first-window.sh [RUNS] [COMMAND...]
#
# RUNS (default 15) starts of each program, alternating. Each COMMAND is one argument, split at
# blanks (for example "env LD_LIBRARY_PATH=/old/libs /old/halvex" to time an earlier build beside
# this one); the default is <build>/src/halvex. A small X client watches the server's root window, starts the program and reports the time from
# just before exec until the server maps the program's first top-level window. Prints each
# program's median and minimum in milliseconds and the ratio of the medians.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${HALVEX_BUILD_DIR:-$root/build}"
runs="${1:-15}"
shift || true
commands=("$@")
if [ ${#commands[@]} -eq 0 ]; then
    cmake --build "$build" -j2 --target halvex
    commands=("$build/src/halvex")
fi

work="$(mktemp -d)"
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$root/data/default.ini" "$work/default.ini"

cat >"$work/dialog.cpp" <<'EOF'
#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.resize(320, 200);
    return dialog.exec();
}
EOF
# shellcheck disable=SC2046
c++ -O2 -fPIC -std=c++17 "$work/dialog.cpp" -o "$work/dialog" $(pkg-config --cflags --libs Qt6Widgets)

cat >"$work/mapwatch.c" <<'EOF'
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int main(int argc, char* argv[]) {
    Display* display = XOpenDisplay(NULL);
    if (display == NULL || argc < 2) {
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);
    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 1;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) {
            printf("%.1f\n", now_ms() - start);
            status = 0;
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    return status;
}
EOF
cc -O2 "$work/mapwatch.c" -o "$work/mapwatch" -lX11

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY="$display"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
export HALVEX_APPDIR="$work"

# The minimal dialog's times go to file 0, each command's to the file of its number.
for ((i = 0; i < runs; ++i)); do
    "$work/mapwatch" "$work/dialog" >>"$work/0.ms"
    for n in "${!commands[@]}"; do
        # shellcheck disable=SC2086
        "$work/mapwatch" ${commands[$n]} >>"$work/$((n + 1)).ms"
    done
done

stats() { sort -n "$1" | awk '{v[NR] = $1} END {printf "%.1f %.1f", v[int((NR + 1) / 2)], v[1]}'; }
read -r dialogMedian dialogMin <<<"$(stats "$work/0.ms")"
printf 'minimal Qt dialog: median %s ms, min %s ms (%s runs)\n' "$dialogMedian" "$dialogMin" "$runs"
for n in "${!commands[@]}"; do
    read -r median min <<<"$(stats "$work/$((n + 1)).ms")"
    ratio="$(awk -v h="$median" -v d="$dialogMedian" 'BEGIN {printf "%.2f", h / d}')"
    printf '%s: median %s ms, min %s ms, %sx the minimal dialog\n' "${commands[$n]}" "$median" \
        "$min" "$ratio"
done
