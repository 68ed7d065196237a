#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# End-to-end check: veskor-sim on a pty link, veskor-cli connecting through it.
# Usage: end_to_end.sh VESKOR_SIM VESKOR_CLI normal|silent
set -u
sim=$1 cli=$2 mode=$3
dir=$(mktemp -d)
link="$dir/module"
trap 'kill "$simpid" 2>/dev/null; wait "$simpid" 2>/dev/null; rm -rf "$dir"' EXIT

fail() { echo "FAIL: $*"; echo "--- output:"; cat "$dir/out"; exit 1; }

case $mode in
  normal) "$sim" --link "$link" >/dev/null & simpid=$!; scale=1 ;;
  silent) "$sim" --link "$link" --fault silent --time-scale 0.1 >/dev/null & simpid=$!; scale=0.1 ;;
esac
for _ in $(seq 100); do [ -L "$link" ] && break; sleep 0.05; done
[ -L "$link" ] || fail "veskor-sim made no link"

"$cli" --port "$link" --time-scale "$scale" connect >"$dir/out" 2>"$dir/err"
rc=$?
cat "$dir/err" >>"$dir/out"

case $mode in
  normal)
    [ $rc -eq 0 ] || fail "exit code $rc"
    for line in "event evConnected 1" "event evEcuLink 99" "event evCalibration 0" "calibration 4BAA"; do
      grep -qx "$line" "$dir/out" || fail "missing: $line"
    done ;;
  silent)
    [ $rc -eq 1 ] || fail "exit code $rc"
    [ "$(grep -c '^event evSearching ' "$dir/out")" -eq 11 ] || fail "not eleven evSearching"
    grep -qx "event evConnected 0" "$dir/out" || fail "missing: event evConnected 0"
    [ "$(cat "$dir/err")" = "veskor-cli: no module answered on $link" ] || fail "the sentence" ;;
esac
echo "ok"
