#!/usr/bin/env bash
# Builds the benchmarks (Release, build-bench/) and runs them all, then prints one table:
# case, our median, the baseline's median from the same run, their ratio and the goal.
# NAVIK_BENCH_REPETITIONS sets the repetitions of every case (default 15);
# NAVIK_BENCH_SKIP_BUILD=1 runs what build-bench/ holds without building. The cases of a
# binary run in random interleaved order, so that a burst of load from elsewhere on the
# machine falls on a case and its baseline alike.
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions=${NAVIK_BENCH_REPETITIONS:-15}
build=build-bench
results=$build/bench-results

if [ "${NAVIK_BENCH_SKIP_BUILD:-0}" != 1 ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DNAVIK_BENCH=ON -DNAVIK_WERROR=ON >/dev/null
    cmake --build "$build" -j"$(nproc)" --target navik_bench_core navik_bench_view navik_bench_startup
fi
mkdir -p "$results"
rm -f "$results"/*.json

export QT_QPA_PLATFORM=offscreen
for bench in navik_bench_core navik_bench_view navik_bench_startup; do
    echo "== $bench" >&2
    "$build/bench/$bench" \
        --benchmark_repetitions="$repetitions" \
        --benchmark_enable_random_interleaving=true \
        --benchmark_report_aggregates_only=true \
        --benchmark_out="$results/$bench.json" \
        --benchmark_out_format=json >&2
done

echo
echo "commit $(git rev-parse --short HEAD), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
python3 bench/table.py "$results"/*.json | tee "$results/table.md"
