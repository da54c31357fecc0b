#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them all: the usual Google
# Benchmark output, then a table of each figure's median beside its target
# ("OK" or "MANQUÉ"), with the spread of its repetitions. Exits with 1 when a
# target is missed. Extra arguments go to the benchmark program (e.g.
# --benchmark_filter=saveProject). The repetitions of all the benchmarks are
# run in a shuffled order, so that a figure and the yardstick it is judged
# against see the same machine.
# The raw figures are kept in build-release/bench-results.json.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release -DCHROMANICK_BENCH=ON >/dev/null
cmake --build --preset release --target chromanick_bench -j2
cd build-release
export QT_QPA_PLATFORM=offscreen
exec bin/chromanick_bench \
    --benchmark_repetitions=5 \
    --benchmark_enable_random_interleaving=true \
    --benchmark_out=bench-results.json --benchmark_out_format=json \
    "$@"
