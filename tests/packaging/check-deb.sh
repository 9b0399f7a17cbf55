#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its file list, its control fields, that its
# Depends field was computed from the linked libraries (plus Qt's platform plugins), and, when
# lintian is installed, Debian's conventions (status 77 when it is not).
# Usage: check-deb.sh BUILD_DIR PRIVATE_LIBDIR VERSION PROGRAM...
set -euo pipefail
build=$1 libdir=$2 version=$3
programs=("${@:4}")
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
    for p in "${programs[@]}"; do
        echo "-rwxr-xr-x root/root ./usr/bin/$p"
        echo "-rw-r--r-- root/root ./usr/share/man/man1/$p.1.gz"
    done
    echo "-rw-r--r-- root/root ./usr/share/doc/halvex/copyright"
    echo "-rw-r--r-- root/root ./usr/share/doc/halvex/changelog.gz"
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
# The private libraries are not the dynamic linker's business: nothing to run at (un)installation.
scripts=$(dpkg-deb -I "$deb" | grep -owE 'preinst|postinst|prerm|postrm' || true)
[ -z "$scripts" ] || fail "maintainer scripts: $scripts"
# A description written as a list of strings shows the list's separators.
[[ "$(dpkg-deb -f "$deb" Description)" != *";"* ]] || fail "';' in the description"
changes=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/halvex/changelog.gz | zcat)
[[ "$changes" == "halvex ($version) "* ]] || fail "the changelog does not begin with $version"
echo "package OK: $(basename "$deb")"
echo "Depends: $depends"

command -v lintian >/dev/null || { echo "lintian is not installed: Debian's conventions unchecked"; exit 77; }
lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
echo "lintian: no error, no warning"
