#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs the whole test suite,
# in the build folder and configuration run.sh uses (after run.sh it builds only the tests, the
# benchmarks and what run.sh left to the background).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh test
mkdir -p build
(
    flock 9
    ./scripts/configure.sh >/dev/null
    cmake --build build -j"$(nproc)"
) 9>build/.build-lock
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} ctest --test-dir build --output-on-failure -j"$(nproc)"
