#!/usr/bin/env bash
# Configures and builds VeskorReader into build/ (extra arguments go to cmake). Warnings
# in the project's own code are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESKOR_WERROR=ON "$@" >/dev/null
cmake --build build -j"$(nproc)"
