#!/usr/bin/env bash
# Builds the program and starts it in the current directory, where it opens (or creates)
# ClanRoster.mdb. Without a display it runs under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/build.sh" >&2
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x900x24" "$build/src/tallyhold" "$@"
fi
exec "$build/src/tallyhold" "$@"
