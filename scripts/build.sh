#!/usr/bin/env bash
# Configures and builds the controller and its tests in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/compiler-cache.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
