#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Renders every shipped dashboard with each shown value at the low and at the high end of
# its scale (a gauge's Min and Max; a readout without a scale at its alarm limits, else 0
# and 9999), at its design size, 800x560, into docs/dashboards/NAME-low|high.png: what to
# look at after changing a profile. The window and the full screen scale this picture to
# their size. Needs a built veskor-reader; no display (the preview draws off-screen).
#
# Usage: scripts/dashboard-pictures.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
reader="$build/bin/veskor-reader"
[ -x "$reader" ] || { echo "no $reader: build the target veskor-reader first" >&2; exit 1; }
out=docs/dashboards
mkdir -p "$out"

# "PID MIN MAX" for each PID of a profile: the scale (or the alarm limits) of the first
# section that names the PID and has one, else 0 and 9999.
scales() {
  awk -F= '
    /^\[/ { if (pid != "") seen(); pid = ""; min = ""; max = ""; next }
    $1 == "PID" || $1 ~ /^Trends\[[0-9]+\]\.PID$/ { if ($1 == "PID") pid = $2; else extra[$2] = 1 }
    $1 == "Min" || ($1 == "AlarmLow" && min == "") { min = $2 }
    $1 == "Max" || ($1 == "AlarmHigh" && max == "") { max = $2 }
    function seen() { if (!(pid in lo) || lo[pid] == "") { lo[pid] = min; hi[pid] = max } }
    END { if (pid != "") seen(); for (p in extra) if (!(p in lo)) lo[p] = "";
          for (p in lo) print p, (lo[p] == "" ? 0 : lo[p]), (hi[p] == "" ? 9999 : hi[p]) }
  ' "$1"
}

for profile in data/Profiles/*.ini; do
  name=$(basename "$profile" .ini)
  mapfile -t lines < <(scales "$profile")
  for end in low high; do
    sets=()
    for line in "${lines[@]}"; do
      read -r pid min max <<<"$line"
      sets+=(--set "$pid=$([ "$end" = low ] && echo "$min" || echo "$max")")
    done
    QT_QPA_PLATFORM=offscreen "$reader" --render-profile "$profile" --size 800x560 \
      "${sets[@]}" -o "$out/$name-$end.png"
  done
done
echo "pictures in $out"
