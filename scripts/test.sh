#!/usr/bin/env bash
# Builds everything and runs every test, headless; then builds the core alone (no Qt Widgets)
# and runs its tests, which proves the core, its tests and the benchmarks need no widgets.
# The core tests also run against a private PostgreSQL server started here for this run only:
# a temporary directory, its Unix socket in there, no TCP; stopped on exit, pass or fail.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/build.sh"

pgbin=/usr/lib/postgresql/15/bin
pgdir=$(mktemp -d /tmp/tallyhold-pg.XXXXXX)
# The server refuses to run as root; then it runs as the postgres user.
as_server=()
if [ "$(id -u)" = 0 ]; then
    chown postgres "$pgdir"
    as_server=(runuser -u postgres --)
fi
stop_server() {
    "${as_server[@]}" "$pgbin/pg_ctl" -D "$pgdir/data" -m immediate stop >/dev/null 2>&1 || true
    rm -rf "$pgdir"
}
trap stop_server EXIT
(cd "$pgdir" && "${as_server[@]}" "$pgbin/initdb" -D "$pgdir/data" -U tallyhold --auth=trust -E UTF8 \
    --locale=C.UTF-8 >/dev/null)
(cd "$pgdir" && "${as_server[@]}" "$pgbin/pg_ctl" -D "$pgdir/data" -l "$pgdir/server.log" -w \
    -o "-c listen_addresses='' -k $pgdir -c max_connections=200" start >/dev/null)
export TALLYHOLD_TEST_PGHOST=$pgdir

(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
BUILD_DIR=$build-core "$root/scripts/build.sh" -DTALLYHOLD_GUI=OFF
cd "$build-core"
ctest --output-on-failure -j"$(nproc)"
