#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# The simulator's boot loader against a real AVR109 front end: avrdude (-c avr109) writes,
# verifies and reads back a firmware image through veskor-sim's pty, and veskor-cli's own
# firmware update passes against the same simulator afterwards.
# Usage: avrdude.sh VESKOR_SIM VESKOR_CLI. Exit 77 (skipped) without avrdude.
set -u
sim=$1 cli=$2
if ! command -v avrdude >/dev/null; then
  echo "SKIP: avrdude is not installed (Debian package avrdude, scripts/setup-deps.sh)"
  exit 77
fi
dir=$(mktemp -d)
link="$dir/module"
simpid=
trap '[ -n "$simpid" ] && { kill "$simpid" 2>/dev/null; wait "$simpid" 2>/dev/null; }; rm -rf "$dir"' EXIT

fail() { echo "FAIL: $*"; for f in "$dir"/*.log; do echo "--- $f:"; grep -v "skipping page" "$f" | tail -40; done; exit 1; }

# Two images of different sizes and bytes: 1000 (not a whole page) and 300.
python3 -c "import sys; sys.stdout.buffer.write(bytes((i * 13 + 5) & 0xFF for i in range(1000)))" >"$dir/a.bin"
python3 -c "import sys; sys.stdout.buffer.write(bytes((i * 7 + 200) & 0xFF for i in range(300)))" >"$dir/b.bin"

"$sim" --baud 0 --link "$link" --flash-out "$dir/flash.bin" >/dev/null &
simpid=$!
for _ in $(seq 100); do [ -L "$link" ] && break; sleep 0.05; done
[ -L "$link" ] || fail "veskor-sim made no link"

# The module restarts into its boot loader on "r", and waits there for a front end.
enter_loader() { printf 'r\r' >"$link"; sleep 0.2; }
avr() { timeout 60 avrdude -c avr109 -p m16 -P "$link" -b 38400 -v -v -v -v "$@"; }

enter_loader
avr -U "flash:w:$dir/a.bin:r" >"$dir/write.log" 2>&1 || fail "avrdude write and verify: exit code $?"
grep -q "device signature = 0x1e9403" "$dir/write.log" || fail "no signature"
grep -q "1000 bytes of flash written" "$dir/write.log" || fail "not written"
grep -q "1000 bytes of flash verified" "$dir/write.log" || fail "not verified"
# What avrdude asked of the loader: its wake-up, identification and block-mode commands.
for command in "1b" "53" "56" "76" "70" "61" "62" "74" "73" "65" "4c" "45"; do
  grep -q "send: . \[$command\]" "$dir/write.log" || fail "avrdude sent no [$command]"
done

enter_loader
avr -U "flash:r:$dir/read.bin:r" >"$dir/read.log" 2>&1 || fail "avrdude read: exit code $?"
cmp -n 1000 "$dir/read.bin" "$dir/a.bin" || fail "avrdude read back other bytes"

# Our own update through the same boot loader.
"$cli" --port "$link" flash "$dir/b.bin" >"$dir/cli.log" 2>&1 || fail "veskor-cli flash: exit code $?"
kill "$simpid"; wait "$simpid" 2>/dev/null; simpid=
cmp -n 300 "$dir/flash.bin" "$dir/b.bin" || fail "the flash does not hold veskor-cli's image"
echo "ok"
