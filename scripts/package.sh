#!/usr/bin/env bash
# Builds the Debian package tallyhold_<version>_amd64.deb into the current directory: the program
# without tests in build-package/ (or $BUILD_DIR), packed by CPack (debug symbols stripped,
# dependencies read from the binaries), then checked by lintian, which fails on an error.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-package}
"$root/scripts/setup-debian.sh"
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/tallyhold_*.deb
(cd "$build" && cpack >/dev/null)
deb=$(basename "$build"/tallyhold_*_amd64.deb)
cp "$build/$deb" .
lintian "$deb"
echo "$deb"
