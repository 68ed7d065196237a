#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Takes a picture of every page in English with imperial units and in Russian with metric
# units, on a virtual screen of 1366x768, into docs/languages/en-imperial and ru-metric:
# what to look at after changing a text, a translation or a unit. Each run starts from an
# empty folder, as a first start does, connected to the built-in simulator. Needs xvfb-run
# and a built veskor-reader.
#
# Usage: scripts/language-pictures.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
reader="$build/bin/veskor-reader"
[ -x "$reader" ] || { echo "no $reader: build the target veskor-reader first" >&2; exit 1; }

shoot() { # language units
  local out="docs/languages/$1-$2" home
  home=$(mktemp -d)
  # A first start fills the empty folder with the shipped data; then the units are set.
  xvfb-run -a -s "-screen 0 1366x768x24" "$reader" --home "$home" --quit-when-shown >/dev/null
  sed -i "s/^System=.*/System=$2/" "$home/reader.ini"
  grep -q "^System=$2" "$home/reader.ini" || { echo "no [Units] System in reader.ini" >&2; exit 1; }
  rm -rf "$out" && mkdir -p "$out"
  xvfb-run -a -s "-screen 0 1366x768x24" \
    "$reader" --home "$home" --lang "$1" --simulator --screenshots "$out"
  rm -f "$out"/*.pdf
  rm -rf "$home"
}

shoot en imperial
shoot ru metric
ls docs/languages/*
