#!/usr/bin/env bash
# Installs what building and running the program needs, builds the window and starts it attached to a
# simulated unit in process. Pass a real port instead with: scripts/run.sh --port /dev/ttyUSB0
#
# What the window does not need to start (the user guides Help > Contents opens, zarvex1-cli and
# zarvex1-sim) is built once the window is up, at low priority, into build/background-build.log.
# Configuring and building in build/ take turns through build/.build-lock, so test.sh waits for that.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh run
mkdir -p build
(
    flock 9
    ./scripts/configure.sh >/dev/null
    cmake --build build -j"$(nproc)" --target zarvex1
) 9>build/.build-lock
(flock 9 && nice -n 10 cmake --build build -j"$(nproc)" --target manuals zarvex1-cli zarvex1-sim \
    >build/background-build.log 2>&1) 9>build/.build-lock &
if [ $# -gt 0 ]; then
    exec ./build/src/app/zarvex1 "$@"
fi
exec ./build/src/app/zarvex1 --simulate
