#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Builds with ThreadSanitizer into build-tsan and runs the link, simulator and CLI tests.
# Qt's own libraries are not built for TSan; tests/tsan.supp silences them, not our code.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESKOR_TSAN=ON -DVESKOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j"$(nproc)"
export TSAN_OPTIONS="suppressions=$PWD/tests/tsan.supp halt_on_error=1 exitcode=66"
export QT_QPA_PLATFORM=offscreen
cd build-tsan && ctest --output-on-failure -j"$(nproc)" -R "${1:-Link|Sim|Cli|Decoder|Serial}"
