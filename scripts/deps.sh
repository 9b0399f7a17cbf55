#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Halvex need (only the missing ones):
# clang with its sanitizer and libFuzzer runtimes and llvm's symbolizer serve the sanitizer build;
# lintian checks the Debian package against Debian's conventions.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libjpeg62-turbo-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth fonts-liberation
          qt6-image-formats-plugins dpkg-dev file desktop-file-utils lintian clang libclang-rt-14-dev
          llvm)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
