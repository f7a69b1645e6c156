#!/usr/bin/env bash
# Builds everything with clang under the address, leak and undefined-behaviour
# sanitizers in build-sanitize (the fuzz targets included, so scripts/fuzz.sh
# reuses the build) and runs every test there. Any memory error, leak of our
# own or undefined behaviour fails the run; tests/lsan.supp names the system
# libraries whose leaks are not ours.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/compiler-cache.sh
cmake -S . -B build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DQUORVELBOT_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-sanitize -j"$(nproc)"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1"
(cd build-sanitize && ctest --output-on-failure -j"$(nproc)")
