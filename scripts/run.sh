#!/usr/bin/env bash
# Installs what is missing, builds, and starts the controller with an
# application folder of its own (build/home), made from the defaults on the
# first run.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
home=build/home
mkdir -p "$home"
cp -n defaults/* "$home"/
QUORVELBOT_HOME="$PWD/$home" exec build/quorvelbot-controller
