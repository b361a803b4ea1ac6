#!/usr/bin/env bash
# Installs what is missing, builds the three programs and starts the window attached to a simulated
# unit in process. Pass a real port instead with: scripts/run.sh --port /dev/ttyUSB0
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
./scripts/configure.sh >/dev/null
cmake --build build -j"$(nproc)" --target zarvex1 zarvex1-cli zarvex1-sim
if [ $# -gt 0 ]; then
    exec ./build/src/app/zarvex1 "$@"
fi
exec ./build/src/app/zarvex1 --simulate
