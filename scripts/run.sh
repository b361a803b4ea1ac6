#!/usr/bin/env bash
# Installs what is missing, builds and starts the program attached to a simulated unit in process.
# Pass a real port instead with: scripts/run.sh --port /dev/ttyUSB0
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target zarvex1
if [ $# -gt 0 ]; then
    exec ./build/src/app/zarvex1 "$@"
fi
exec ./build/src/app/zarvex1 --simulate
