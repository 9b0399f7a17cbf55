#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its file list, its control fields and that its
# Depends field was computed from the linked libraries (plus Qt's platform plugins).
# Usage: check-deb.sh BUILD_DIR PRIVATE_LIBDIR VERSION
set -euo pipefail
build=$1 libdir=$2 version=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; fail "cpack failed"; }
arch=$(dpkg --print-architecture)
deb=$out/halvex_${version}_$arch.deb
[ -f "$deb" ] || fail "no package $deb"

[ "$(dpkg-deb -f "$deb" Package)" = halvex ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || fail "architecture"

sizes="16 22 24 32 48 64 128 256"
expected=$(
    echo "-rwxr-xr-x root/root ./usr/bin/halvex"
    echo "-rw-r--r-- root/root ./usr/$libdir/libQuorvin.so"
    echo "-rw-r--r-- root/root ./usr/$libdir/libVX3lib.so"
    echo "-rw-r--r-- root/root ./usr/share/applications/halvex.desktop"
    echo "-rw-r--r-- root/root ./usr/share/halvex/default.ini"
    for s in $sizes; do echo "-rw-r--r-- root/root ./usr/share/icons/hicolor/${s}x$s/apps/halvex.png"; done
)
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $1, $2, $6}')
diff <(sort <<<"$expected") <(sort <<<"$actual") || fail "package files differ (- expected, + packaged)"

# Every shared-library dependency carries the minimum version its shlibs file gives.
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ *(.*//' | sort)
expected_names=$(printf '%s\n' libc6 libgcc-s1 libjpeg62-turbo libqt6core6 libqt6gui6 \
                        libqt6widgets6 libstdc++6 qt6-qpa-plugins | sort)
diff <(echo "$expected_names") <(echo "$names") || fail "Depends is '$depends'"
for lib in libc6 libjpeg62-turbo libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6; do
    [[ ", $depends" == *", $lib (>= "* ]] || fail "$lib has no version from its shlibs in '$depends'"
done
echo "package OK: $(basename "$deb")"
echo "Depends: $depends"
