#!/usr/bin/env bash
# Test lines against code lines: C++ sources and headers under tests/ against src/, bench/, tools/.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -co --exclude-standard -- "$@" | grep -E '\.(cpp|h)$' | xargs cat | wc -l; }
tests=$(count tests)
code=$(count src bench tools)
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests %d, code %d, ratio %.2f\n", t, c, t / c }'
