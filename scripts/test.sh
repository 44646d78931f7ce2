#!/usr/bin/env bash
# Builds everything and runs every test, headless; then builds the core alone (no Qt Widgets)
# and runs its tests, which proves the core, its tests and the benchmarks need no widgets.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
BUILD_DIR=$build-core "$root/scripts/build.sh" -DTALLYHOLD_GUI=OFF
cd "$build-core"
ctest --output-on-failure -j"$(nproc)"
