#!/usr/bin/env bash
# Installs the Debian packages the controller needs to build and test, when
# any is missing; with QUORVELBOT_WITH_CLANG=1 also clang with its fuzzer and
# sanitizer runtimes, for the checked build and the fuzzers.
set -euo pipefail

packages=(
  cmake g++ pkg-config qt6-base-dev qt6-websockets-dev libsdl2-dev libgl1-mesa-dev libx11-dev
  xvfb xauth x11-xserver-utils xdotool imagemagick iputils-ping iproute2 python3-websockets
  fonts-wine fonts-dejavu-core openbox libbenchmark-dev libxtst-dev
)
[ "${QUORVELBOT_WITH_CLANG:-0}" = 1 ] && packages+=(clang libclang-rt-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
