#!/usr/bin/env bash
# Installs what is missing, builds and starts the program attached to the simulated unit.
# Pass a real port instead with: scripts/run.sh --port /dev/ttyUSB0
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target zarvex1 zarvex1-sim
if [ $# -gt 0 ]; then
    exec ./build/src/app/zarvex1 "$@"
fi
if [ -x build/src/sim/zarvex1-sim ]; then
    # The simulator prints the pseudo-terminal it serves on its first line.
    log=$(mktemp)
    ./build/src/sim/zarvex1-sim >"$log" 2>&1 &
    sim=$!
    trap 'kill $sim 2>/dev/null; rm -f "$log"' EXIT
    device=""
    for _ in $(seq 50); do
        device=$(head -n 1 "$log")
        [ -n "$device" ] && break
        sleep 0.1
    done
    echo "Simulated unit on $device"
    ./build/src/app/zarvex1 --port "$device"
else
    ./build/src/app/zarvex1
fi
