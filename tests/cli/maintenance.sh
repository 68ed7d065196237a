#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# End-to-end checks of module maintenance as a user runs them: veskor-sim on a pty link
# (or the built-in simulator), veskor-cli through it.
# Usage: maintenance.sh VESKOR_SIM VESKOR_CLI flash|options|bad-readback|reset-status
set -u
sim=$1 cli=$2 mode=$3
dir=$(mktemp -d)
link="$dir/module"
simpid=
trap '[ -n "$simpid" ] && kill "$simpid" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT

fail() { echo "FAIL: $*"; echo "--- output:"; cat "$dir/out"; exit 1; }
has() { grep -qxF "$1" "$dir/out" || fail "missing: $1"; }
start_sim() {
  "$sim" --link "$link" "$@" >/dev/null & simpid=$!
  for _ in $(seq 100); do [ -L "$link" ] && return; sleep 0.05; done
  fail "veskor-sim made no link"
}
# Ends veskor-sim the way a user does; it writes its flash then.
stop_sim() { kill "$simpid"; wait "$simpid"; simpid=; }

touch "$dir/out"
head -c 5000 /dev/urandom >"$dir/fw.bin"

case $mode in
  flash)
    start_sim --flash-out "$dir/flash.bin"
    "$cli" --port "$link" flash "$dir/fw.bin" >"$dir/out" 2>&1; rc=$?
    [ $rc -eq 0 ] || fail "exit code $rc"
    has "log Верификация пройдена!"
    has "log Обновление прошивки успешно завершено!"
    has "log Код устройства для загрузчика: 0x74"
    # 40 blocks written and 40 read back: the bar is full at the last one.
    has "progress 0/80 Инициализация..."
    has "event evFirmware 1 80"
    has "progress 80/80 Верификация..."
    has "progress end"
    stop_sim
    cmp -n 5000 "$dir/fw.bin" "$dir/flash.bin" || fail "the flash does not begin with the firmware"
    ;;
  options)
    start_sim --time-scale 0.1
    "$cli" --port "$link" --time-scale 0.1 options read >"$dir/out" 2>&1 || fail "first read"
    has "option 0 0x7F Скорость порта EEC-IV: 9600"
    has "option 1 0x7F Формат вывода данных: BIN"
    "$cli" --port "$link" --time-scale 0.1 options write --ecu-speed 3 --format 1 >"$dir/out" 2>&1 \
      || fail "write"
    has "event evOptions 1"
    grep -q "^note .*after a restart" "$dir/out" || fail "no word that a reset applies the options"
    "$cli" --port "$link" --time-scale 0.1 options read >"$dir/out" 2>&1 || fail "second read"
    has "option 0 3 Скорость порта EEC-IV: 19200"
    has "option 1 1 Формат вывода данных: HEX"
    "$cli" --port "$link" options write --ecu-speed 4 >"$dir/out" 2>&1; rc=$?
    [ $rc -eq 2 ] || fail "an ECU speed of 4 gave exit code $rc"
    kill "$simpid"; wait "$simpid" 2>/dev/null
    # No module: no write counts as done.
    start_sim --fault silent --time-scale 0.1
    "$cli" --port "$link" --time-scale 0.1 options write --format 0 >"$dir/out" 2>"$dir/err"; rc=$?
    [ $rc -eq 1 ] || fail "options write without a module gave exit code $rc"
    grep -qx "veskor-cli: no module answered on $link" "$dir/err" || fail "the sentence: $(cat "$dir/err")"
    ;;
  bad-readback)
    # The loader acknowledges leaving, yet the verification failed: not a success.
    "$cli" --port sim --sim-fault bad-readback --time-scale 0.1 flash "$dir/fw.bin" >"$dir/out" 2>&1; rc=$?
    [ $rc -eq 1 ] || fail "exit code $rc"
    has "log Ошибка верификации данных!"
    has "log Обновление прошивки не выполнено: верификация не пройдена!"
    grep -q "успешно" "$dir/out" && fail "a failed verification reported as a success"
    ;;
  reset-status)
    "$cli" --port sim --time-scale 0.1 reset >"$dir/out" 2>&1 || fail "reset"
    has "event evConnected 1"
    "$cli" --port sim --time-scale 0.1 reset-status >"$dir/out" 2>&1 || fail "reset-status"
    has "event evCalibration 0"
    has "log Сброс статуса/чтение кода калибровки..."
    # The status reset clears the slots: no code of the ECU to print after it.
    [ "$(grep -c '^calibration ' "$dir/out")" -eq 1 ] || fail "a code printed after the reset"
    "$cli" --port sim --time-scale 0.1 flash "$dir/none.bin" >"$dir/out" 2>&1; rc=$?
    [ $rc -eq 1 ] || fail "a missing file gave exit code $rc"
    grep -q "^log Не удалось прочитать файл прошивки" "$dir/out" || fail "no line on the missing file"
    ;;
esac
echo "ok"
