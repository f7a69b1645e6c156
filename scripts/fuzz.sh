#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each on a copy of its seed
# corpus: the dispatcher's for the given seconds (default 300), each reader
# of outside text for the second argument's seconds (default the same).
# Fails on any crash, hang, leak, broken round trip or runaway memory.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/compiler-cache.sh
seconds=${1:-300}
reader_seconds=${2:-$seconds}
readers=(contact_file settings_file reports companion_lines wifi_scan user_list credential_answer)
cmake -S . -B build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DQUORVELBOT_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-sanitize -j"$(nproc)" --target fuzz_dispatcher "${readers[@]/#/fuzz_}"

# fuzz <target> <seconds> <longest input>
fuzz() {
  # absolute paths: the controller under test changes its working folder
  local corpus="$PWD/build-sanitize/corpus/$1"
  mkdir -p "$corpus"
  cp -n fuzz/corpus/"$1"/* "$corpus"/
  LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
    "$PWD/build-sanitize/fuzz/fuzz_$1" -max_total_time="$2" -max_len="$3" -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="$PWD/build-sanitize/$1-" -print_final_stats=1 "$corpus"
}

fuzz dispatcher "$seconds" 8192
for reader in "${readers[@]}"; do
  fuzz "$reader" "$reader_seconds" 1024
done
