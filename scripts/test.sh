#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. With
# QUORVELBOT_BENCH_SHORT=1 the benchmarks then run once each in the test
# build, so they cannot rot (no goal is enforced). With
# QUORVELBOT_SANITIZE=1 the whole suite runs a second time, built with clang
# under the address, leak and undefined-behaviour sanitizers. With
# QUORVELBOT_FUZZ_SECONDS set, the fuzz targets run afterwards from that
# build: the dispatcher's for that many seconds, each reader's for
# QUORVELBOT_FUZZ_READER_SECONDS (default the same). Both need clang, which
# is installed when they are asked for.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${QUORVELBOT_FUZZ_SECONDS:-0}
sanitize=${QUORVELBOT_SANITIZE:-0}
if [ "$sanitize" = 1 ] || [ "$seconds" -gt 0 ]; then
  QUORVELBOT_WITH_CLANG=1 ./scripts/install-deps.sh
else
  ./scripts/install-deps.sh
fi
./scripts/build.sh
(cd build && ctest --output-on-failure -j"$(nproc)")

if [ "${QUORVELBOT_BENCH_SHORT:-0}" = 1 ]; then
  ./scripts/bench.sh --short build
fi

if [ "$sanitize" = 1 ]; then
  ./scripts/sanitize.sh
fi
if [ "$seconds" -gt 0 ]; then
  ./scripts/fuzz.sh "$seconds" "${QUORVELBOT_FUZZ_READER_SECONDS:-$seconds}"
fi
