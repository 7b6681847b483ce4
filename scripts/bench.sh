#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks with optimisation and runs them (or the ones named).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/deps.sh"
tervane_require_packages "${TERVANE_BUILD_PACKAGES[@]}" libbenchmark-dev rename mmv bc

build="$root/build-bench"
(cd "$root" && cmake --preset bench >/dev/null && cmake --build --preset bench -j"$(nproc)")
if [ $# -eq 0 ] || [[ " $* " == *" cli_rename "* ]]; then
    "$root/bench/cli_rename.sh" "$build"
fi
for bench in "$build"/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    if [ $# -eq 0 ] || [[ " $* " == *" $(basename "$bench") "* ]]; then
        "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
    fi
done
