#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. With
# QUORVELBOT_FUZZ_SECONDS set and clang present, the fuzz targets run
# afterwards: the dispatcher's for that many seconds, each reader's for
# QUORVELBOT_FUZZ_READER_SECONDS (default the same).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
(cd build && ctest --output-on-failure -j"$(nproc)")

seconds=${QUORVELBOT_FUZZ_SECONDS:-0}
if [ "$seconds" -gt 0 ] && command -v clang++ >/dev/null; then
  ./scripts/fuzz.sh "$seconds" "${QUORVELBOT_FUZZ_READER_SECONDS:-$seconds}"
fi
