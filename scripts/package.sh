#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the program from a build folder with CPack and shows what it holds:
#   scripts/package.sh [BUILD_DIR] [OUT]      (defaults: build, out/package)
# The package installs under /usr; its binaries are stripped and its library dependencies found by
# dpkg-shlibdeps. Ends with lintian's verdict and fails on any lintian error.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-out/package}

scripts/install-deps.sh
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# CPack builds every target before it installs; build them here, where a failure is plain to see.
cmake --build "$build" -j 2
mkdir -p "$out"
rm -f "$out"/qelec_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$out"
rm -rf "$out/_CPack_Packages"
deb=$(ls "$out"/qelec_*.deb)
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
lintian --fail-on error --info "$deb"
echo "package: $deb"
