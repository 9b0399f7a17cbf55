#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the tree as a technician's machine gets it:
# the files and their permissions, the desktop entry and icons, and that the installed programs
# find their libraries by themselves and answer --version (the window also --help and a wrong
# option).
# Usage: check-install.sh BUILD_DIR SOURCE_DIR PRIVATE_LIBDIR PROGRAM...
set -euo pipefail
build=$1 source=$2 libdir=$3
programs=("${@:4}")
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
cd "$dest"

sizes="16 22 24 32 48 64 128 256"
expected=$(
    for p in "${programs[@]}"; do echo "755 usr/bin/$p"; echo "644 usr/share/man/man1/$p.1.gz"; done
    echo "644 usr/share/doc/halvex/copyright"
    echo "644 usr/share/doc/halvex/changelog.gz"
    echo "644 usr/$libdir/libQuorvin.so"
    echo "644 usr/$libdir/libVX3lib.so"
    echo "644 usr/share/applications/halvex.desktop"
    echo "644 usr/share/halvex/default.ini"
    for s in $sizes; do echo "644 usr/share/icons/hicolor/${s}x$s/apps/halvex.png"; done
)
actual=$(find . -type f -printf '%m %P\n')
diff <(sort <<<"$expected") <(sort <<<"$actual") || fail "installed files differ (- expected, + installed)"
[ -z "$(find . -mindepth 1 -type d ! -perm 755)" ] || fail "folders without mode 755: $(find . -mindepth 1 -type d ! -perm 755)"

cmp usr/share/halvex/default.ini "$source/data/default.ini" || fail "default.ini is not the factory file"
desktop-file-validate usr/share/applications/halvex.desktop || fail "desktop entry refused"
grep -qx 'Exec=halvex' usr/share/applications/halvex.desktop || fail "desktop entry runs something else"
grep -qx 'Icon=halvex' usr/share/applications/halvex.desktop || fail "desktop entry names another icon"

for s in $sizes; do
    png=usr/share/icons/hicolor/${s}x$s/apps/halvex.png
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    # Width and height, big-endian, in the IHDR chunk.
    read -r w h < <(od -An -j16 -N8 --endian=big -tu4 "$png")
    [ "$w $h" = "$s $s" ] || fail "$png is ${w}x$h"
done

for p in "${programs[@]}"; do
    runpath=$(readelf -d "usr/bin/$p" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
    [ "$runpath" = "\$ORIGIN/../$libdir" ] || fail "$p RUNPATH is '$runpath'"
    # Whole outputs are captured first: grep -q ending a pipe early would fail it under pipefail.
    libraries=$(env -u LD_LIBRARY_PATH ldd "usr/bin/$p")
    ! grep 'not found' <<<"$libraries" || fail "libraries of $p not found"
    # Every program opens the camera; the window alone also needs the sequential-capture library.
    grep -qF "libVX3lib.so => $dest/usr/bin/../$libdir/libVX3lib.so" <<<"$libraries" ||
        fail "$p does not take libVX3lib.so from the install tree"
    [ "$p" != halvex ] || grep -qF "libQuorvin.so => $dest/usr/bin/../$libdir/libQuorvin.so" <<<"$libraries" ||
        fail "halvex does not take libQuorvin.so from the install tree"
    ours=$(grep -E 'lib(VX3lib|Quorvin)\.so =>' <<<"$libraries")
    ! grep -vF "=> $dest/usr/bin/../$libdir/" <<<"$ours" || fail "$p takes a camera library from elsewhere"
    env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen "usr/bin/$p" --version >/dev/null ||
        fail "$p --version fails"
done

run() { env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen usr/bin/halvex "$@"; }
[ "$(run --version)" = "Halvex Application Ver. 2.02.01" ] || fail "--version prints '$(run --version)'"
help=$(run --help)
grep -qF -- '--settings <file>' <<<"$help" || fail "--help does not list --settings"
set +e
run --no-such-option >out.txt 2>err.txt
status=$?
set -e
[ $status -ne 0 ] || fail "an unknown option ends with status 0"
[ ! -s out.txt ] || fail "an unknown option printed on standard output"
grep -q "Unknown option 'no-such-option'" err.txt || fail "an unknown option is not named"
grep -q 'Usage: halvex \[options\]' err.txt || fail "an unknown option does not print the usage"
echo "install tree OK"
