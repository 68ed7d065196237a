#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Installs what is missing, builds, runs every test through CTest and ends with
# the line "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh test || { echo "0 passed, 1 failed"; exit 1; }
if ! scripts/build.sh; then
  echo "build failed"
  echo "0 passed, 1 failed"
  exit 1
fi
export QT_QPA_PLATFORM=offscreen
log=$(mktemp)
(cd build && ctest --output-on-failure -j"$(nproc)" --timeout 300) 2>&1 | tee "$log"
summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
rm -f "$log"
if [ -z "$summary" ]; then
  echo "0 passed, 1 failed"
  exit 1
fi
failed=$(sed -E 's/.* ([0-9]+) tests? failed out of.*/\1/' <<<"$summary")
total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
passed=$((total - failed))
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
