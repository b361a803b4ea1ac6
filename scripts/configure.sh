#!/usr/bin/env bash
# The one configuration of the one build folder that run.sh, test.sh, screenshots.sh, the install and
# the package share: RelWithDebInfo, Debian's hardening flags (on by default), warnings as errors;
# ccache and the precompiled Qt headers when present (cmake/BuildSpeed.cmake). Configuring an existing
# folder again with the same settings rebuilds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVEX1_WERROR=ON "$@"
