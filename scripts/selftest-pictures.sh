#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Takes the pictures of the engine self-test (before, during, after) on a virtual screen of
# 1366x768 into docs/selftest. Needs xvfb-run and the built target selftest_pictures.
#
# Usage: scripts/selftest-pictures.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
program="$build/tests/bin/selftest_pictures"
[ -x "$program" ] || { echo "no $program: build the target selftest_pictures first" >&2; exit 1; }
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1366x768x24" "$program" docs/selftest
