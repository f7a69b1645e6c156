#!/usr/bin/env bash
# Installs what is missing, builds, and starts the robot simulator and the
# controller together. The controller's application folder is build/home,
# made from defaults/ on the first run; its robot list holds the simulator,
# which answers as the name server for "simbot". Closing the controller ends
# the simulator too.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh

home=build/home
mkdir -p "$home"
cp -n defaults/* "$home"/

name_server_port=18089
build/sim/quorvelbot-sim --name-server "$name_server_port" &
simulator=$!
trap 'kill "$simulator" 2>/dev/null || true' EXIT

QUORVELBOT_HOME="$PWD/$home" QUORVELBOT_SERVER="http://127.0.0.1:$name_server_port" build/quorvelbot-controller
