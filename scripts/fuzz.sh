#!/usr/bin/env bash
# Builds the dispatcher fuzzer with clang and runs it for the given seconds
# (default 300) on a copy of the seed corpus. Fails on any crash, hang, leak
# or runaway memory.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DQUORVELBOT_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_dispatcher
# absolute paths: the controller under test changes its working folder
corpus="$PWD/build-fuzz/corpus"
mkdir -p "$corpus"
cp -n fuzz/corpus/* "$corpus"/
LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp" \
  "$PWD/build-fuzz/fuzz/fuzz_dispatcher" -max_total_time="$seconds" -max_len=8192 -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$PWD/build-fuzz/" -print_final_stats=1 "$corpus"
