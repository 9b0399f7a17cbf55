#!/usr/bin/env bash
# Installs what is missing, builds Halvex and starts it against the simulated camera with <repo>/run,
# a working folder that holds the factory default.ini, as its application directory.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
build="${HALVEX_BUILD_DIR:-$root/build}"

work="${HALVEX_WORK_DIR:-$root/run}"
mkdir -p "$work"
[ -f "$work/default.ini" ] || cp "$root/data/default.ini" "$work/default.ini"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: Halvex is a desktop program and needs one." >&2
    echo "On a machine without a display, run it under a virtual X server:" >&2
    echo "    xvfb-run -s '-screen 0 1024x768x24' $root/scripts/run.sh" >&2
    exit 1
fi

exec "$build/src/halvex" --appdir "$work"
