#!/usr/bin/env bash
# Builds in Release and measures the controller against its floors and
# goals, several runs each (default 7), writing Markdown tables and a plot to
# build-bench/results. "--short [build folder]" (CI) measures once each in the
# build folder given (default build), so the benchmarks cannot rot; no goal
# is enforced either way.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/compiler-cache.sh
if [[ "${1:-}" == "--short" ]]; then
  build=${2:-build}
  runs=1
  cmake -S . -B "$build" -DQUORVELBOT_BENCH=ON >/dev/null
  extra=(--benchmark_min_time=0.01)
else
  build=build-bench
  runs=${1:-7}
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVELBOT_BENCH=ON >/dev/null
  extra=()
fi
cmake --build "$build" -j"$(nproc)" --target quorvelbot-controller bench_sign_in_floor bench_key_floor \
  bench_whole_program bench_pure_functions
results="$build/results"
mkdir -p "$results"
"$build/bench/bench_whole_program" "$build/quorvelbot-controller" "$build/bench/bench_sign_in_floor" \
  "$build/bench/bench_key_floor" "$runs" "$results"
"$build/bench/bench_pure_functions" "${extra[@]}" --benchmark_out="$results/pure-functions.json" \
  --benchmark_out_format=json
echo "Tables and plot in $results"
