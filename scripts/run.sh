#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Installs what is missing for running (not the tests' tools), builds, and starts the
# VeskorReader window on the built-in simulator, with a sample register in build/run-home.
# Without a display it runs the window under xvfb-run instead: it connects, reads the fault
# codes, saves a picture of every page into build/screenshots and ends. Extra arguments go to veskor-reader.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh run
scripts/build.sh

# The program directory: the data files, and on the first run a sample register.
home=build/run-home
mkdir -p "$home"
cp -r data/. "$home/"
rm -f "$home/calibrations.txt"
for f in autos.ini reader.ini; do
  [ -e "$home/$f" ] || cp "scripts/sample-home/$f" "$home/$f"
done

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/veskor-reader --home "$home" --simulator "$@"
fi

shots=build/screenshots
echo "No display (DISPLAY and WAYLAND_DISPLAY are empty): running the window under xvfb-run;"
echo "it connects to the built-in simulator, reads the fault codes and saves every page to $shots/."
rm -rf "$shots"
xvfb-run -a -s "-screen 0 1280x900x24" \
  build/bin/veskor-reader --home "$home" --screenshots "$shots" "$@"
echo "Look at them with any image viewer, for example: xdg-open $shots/2-faults.png"
ls "$shots"
