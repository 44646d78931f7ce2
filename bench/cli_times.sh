#!/usr/bin/env bash
# Medians of whole tallyhold-cli processes on one roster: processor time (user + system), elapsed
# time and peak memory. Several binaries are run alternately, so a busy machine weighs on each alike.
#   bench/cli_times.sh [-n RUNS] [-f FRESH] ROSTER BINARY... -- COMMAND [ARGS...]
# e.g. build/bench/make_roster 100000 1 /tmp/r.mdb
#      bench/cli_times.sh -n 7 /tmp/r.mdb old/tallyhold-cli build/src/cli/tallyhold-cli -- best
# A BINARY of "sqlite3" runs sqlite3 ROSTER ARGS instead, for the store's own reading.
# -f FRESH copies FRESH over ROSTER before every run (outside the timing), for writes into a
# new roster, e.g. -f empty.mdb ... -- import all.tlx, or -f /dev/null ... sqlite3 -- ".read dump.sql".
set -euo pipefail
runs=7
fresh=
while [ "${1:-}" = "-n" ] || [ "${1:-}" = "-f" ]; do
    if [ "$1" = "-n" ]; then runs=$2; else fresh=$2; fi
    shift 2
done
roster=$1
shift
binaries=()
while [ "$1" != "--" ]; do binaries+=("$1"); shift; done
shift
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export HOME=$out QT_QPA_PLATFORM=offscreen
for ((i = 0; i < runs; i++)); do
    for b in "${binaries[@]}"; do
        log="$out/$(echo "$b" | md5sum | cut -c1-8)"
        if [ -n "$fresh" ]; then rm -f "$roster" "$roster".*; cp "$fresh" "$roster"; fi
        if [ "$b" = sqlite3 ]; then
            /usr/bin/time -a -o "$log" -f "%U %S %e %M" sqlite3 "$roster" "$@" >/dev/null
        else
            /usr/bin/time -a -o "$log" -f "%U %S %e %M" "$b" --roster "$roster" "$@" >/dev/null
        fi
    done
done
for b in "${binaries[@]}"; do
    awk -v name="$b" '{ cpu[NR] = $1 + $2; wall[NR] = $3; mem[NR] = $4 }
        function median(a, n,   i, j, t) {
            for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
            return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2 }
        END { printf "%-40s cpu %.2f s  elapsed %.2f s  peak %.0f MiB  (median of %d)\n",
                     name, median(cpu, NR), median(wall, NR), median(mem, NR) / 1024, NR }' \
        "$out/$(echo "$b" | md5sum | cut -c1-8)"
done
