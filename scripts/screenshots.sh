#!/usr/bin/env bash
# Takes the README's pictures anew (docs/screenshots/*.png), with the program on the unit in process.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/configure.sh >/dev/null
cmake --build build -j2 --target zarvex1-screenshots
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} ./build/docs/zarvex1-screenshots docs/screenshots
