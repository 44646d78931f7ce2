#!/usr/bin/env bash
# Medians of whole tallyhold-cli processes on one roster: processor time (user + system), elapsed
# time and peak memory. Several binaries are run alternately, so a busy machine weighs on each alike.
#   bench/cli_times.sh [-n RUNS] ROSTER "COMMAND ARGS" BINARY...
# e.g. build/bench/make_roster 100000 1 /tmp/r.mdb
#      bench/cli_times.sh -n 7 /tmp/r.mdb "best" old/tallyhold-cli build/src/cli/tallyhold-cli
set -euo pipefail
runs=7
if [ "${1:-}" = "-n" ]; then runs=$2; shift 2; fi
roster=$1 command=$2
shift 2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export HOME=$out QT_QPA_PLATFORM=offscreen
for ((i = 0; i < runs; i++)); do
    for b in "$@"; do
        # shellcheck disable=SC2086
        /usr/bin/time -a -o "$out/$(echo "$b" | md5sum | cut -c1-8)" -f "%U %S %e %M" \
            "$b" --roster "$roster" $command >/dev/null
    done
done
for b in "$@"; do
    awk -v name="$b" '{ cpu[NR] = $1 + $2; wall[NR] = $3; mem[NR] = $4 }
        function median(a, n,   i, j, t) {
            for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
            return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2 }
        END { printf "%-40s cpu %.2f s  elapsed %.2f s  peak %.0f MiB  (median of %d)\n",
                     name, median(cpu, NR), median(wall, NR), median(mem, NR) / 1024, NR }' \
        "$out/$(echo "$b" | md5sum | cut -c1-8)"
done
