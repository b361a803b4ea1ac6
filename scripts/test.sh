#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVEX1_WERROR=ON
cmake --build build -j"$(nproc)"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} ctest --test-dir build --output-on-failure
