#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# The exchanges as a user runs them: veskor-sim on a pty link (or the built-in simulator)
# and veskor-cli's live, faults and dump commands.
# Usage: exchanges.sh VESKOR_SIM VESKOR_CLI CHECK
set -u
sim=$1 cli=$2 check=$3
dir=$(mktemp -d)
link="$dir/module"
simpid=
trap '[ -n "$simpid" ] && { kill "$simpid" 2>/dev/null; wait "$simpid" 2>/dev/null; }; rm -rf "$dir"' EXIT
codes="$(dirname "$cli")/codes.txt"

fail() { echo "FAIL: $*"; echo "--- output:"; cat "$dir/out" 2>/dev/null; exit 1; }
# The start of an awk program over a CSV of live data: line 1 must be the start, c becomes
# the engine speed's column of the heading, and the rows follow.
rpm_column='NR == 1 { if ($0 !~ /^# start [0-9-]+T[0-9:]+/) exit 1; next }
  NR == 2 { for (i = 1; i <= NF; i++) if ($i == "Engine speed (rpm)") c = i; if (!c) exit 1; next }'

start_sim() {
  "$sim" --link "$link" "$@" >/dev/null &
  simpid=$!
  for _ in $(seq 100); do [ -L "$link" ] && return; sleep 0.05; done
  fail "veskor-sim made no link"
}

# The four lines of a code's entry in codes.txt: mode, English, Russian, comment.
# capture_then_kill ARGS...: runs veskor-cli ARGS, and once the stream has begun, kills it
# with SIGKILL after CAPTURE_SECONDS (4); sets started and killed (ns) around the capture.
capture_then_kill() {
  "$cli" "$@" >"$dir/out" 2>&1 &
  local clipid=$!
  for _ in $(seq 200); do grep -q '^log Начало приёма данных' "$dir/out" && break; sleep 0.05; done
  started=$(date +%s%N)
  sleep "${CAPTURE_SECONDS:-4}"
  kill -9 "$clipid"
  killed=$(date +%s%N)
  wait "$clipid" 2>/dev/null
}
entry() { tr -d '\r' <"$codes" | sed 's/^\xEF\xBB\xBF//' | awk -v code="$1" '
  $0 == code { take = 4; next }
  take > 0 && $0 != "" && $0 !~ /^;/ { print; take-- }'; }

expect_code() { # expect_code CODE LANG(3=ru, 2=en): the block of the code with its texts
  local mode desc comment
  mode=$(entry "$1" | sed -n 1p); desc=$(entry "$1" | sed -n "$2p"); comment=$(entry "$1" | sed -n 4p)
  grep -A3 -x "Код: $1" "$dir/out" >"$dir/block" || fail "code $1 not listed"
  [ "$(sed -n 2p "$dir/block")" = "Режим: $mode" ] || fail "mode of $1"
  [ "$(sed -n 3p "$dir/block")" = "Описание: $desc" ] || fail "description of $1"
  [ "$(sed -n 4p "$dir/block")" = "Комментарий: $comment" ] || fail "comment of $1"
}

case $check in
  live-csv)
    "$cli" --port sim live --table P --seconds 5 --csv "$dir/out.csv" >"$dir/out" 2>&1 || fail "exit code $?"
    rows=$(($(wc -l <"$dir/out.csv") - 2))
    [ "$rows" -ge 30 ] || fail "only $rows rows"
    awk -F, "$rpm_column"'
             $c < 500 || $c > 7000 { print "engine speed " $c " in row " NR; bad = 1 }
             END { exit bad }' "$dir/out.csv" >>"$dir/out" || fail "engine speed out of range"
    ;;
  live-flipped-bits)
    # One packet in eight with a bit of its word flipped: the engine held at 1024 rpm never
    # shows anything else, neither in a CSV cell nor in a pid line.
    start_sim --time-scale 0.1 --fault flip-bits --corrupt-rate 8 --hold-rpm 1024
    "$cli" --port "$link" --time-scale 0.1 live --seconds 3 --csv "$dir/out.csv" >"$dir/out" 2>&1 || fail "csv: exit code $?"
    awk -F, "$rpm_column"'
             $c != "" { n++; if ($c != 1024) { print "engine speed " $c " in row " NR; bad = 1 } }
             END { if (n < 20) { print "only " n " engine speeds"; bad = 1 }; exit bad }' "$dir/out.csv" >>"$dir/out" \
      || fail "a corrupted word reached a CSV cell"
    "$cli" --port "$link" --time-scale 0.1 live --seconds 3 >"$dir/out" 2>&1 || fail "pid: exit code $?"
    grep -q '^pid 1 "[^"]*" 1024 об/мин$' "$dir/out" || fail "no engine speed came"
    ! grep '^pid 1 ' "$dir/out" | grep -qv '^pid 1 "[^"]*" 1024 об/мин$' || fail "a corrupted word reached a pid line"
    ;;
  live-units)
    # The window's [Units] in the program folder, and --units for one run, over it too.
    printf '[Units]\nSystem=imperial\n' >"$dir/reader.ini"
    for run in "--home $dir" "--units imperial" "--home $dir --units metric"; do
      sign="°F" heading="degF"
      case $run in *metric) sign="°C" heading="degC" ;; esac
      # shellcheck disable=SC2086 # the run's options are words
      "$cli" $run --port sim live --table P --seconds 2 >"$dir/out" 2>&1 || fail "$run: exit code $?"
      grep -q "^pid 16 \"[^\"]*\" [-0-9.e+]* $sign\$" "$dir/out" || fail "$run: no coolant in $sign"
      # shellcheck disable=SC2086
      "$cli" $run --port sim live --table P --seconds 2 --csv "$dir/out.csv" >"$dir/out" 2>&1 \
        || fail "$run: csv: exit code $?"
      sed -n 2p "$dir/out.csv" | grep -q "Coolant temperature ($heading)" || fail "$run: no $heading heading"
    done
    "$cli" --units furlongs --port sim connect >"$dir/out" 2>&1
    [ $? -eq 2 ] || fail "--units furlongs: not refused as a bad argument"
    ;;
  live-interrupt)
    "$cli" --port sim --time-scale 0.1 live >"$dir/out" 2>&1 &
    clipid=$!
    for _ in $(seq 200); do grep -q '^pid 1 ' "$dir/out" && break; sleep 0.05; done
    grep -q '^pid 1 ' "$dir/out" || fail "no engine speed came"
    kill -INT "$clipid"
    wait "$clipid" || fail "exit code $? after Ctrl-C"
    [ "$(tail -n 1 "$dir/out")" = "log Останавливаем прием данных..." ] || fail "the stream was not stopped"
    # The handshake's calibration words are no live data.
    [ "$(grep -m 1 -e '^pid ' -e '^log Начало приёма данных' "$dir/out")" = "log Начало приёма данных..." ] \
      || fail "a value printed before the stream started"
    ;;
  faults-read)
    start_sim --codes 112,335 --time-scale 0.1
    "$cli" --port "$link" --time-scale 0.1 faults read >"$dir/out" 2>&1 || fail "exit code $?"
    [ "$(grep '^Код: ' "$dir/out" | tr '\n' ' ')" = "Код: 112 Код: 335 " ] || fail "codes or their order"
    expect_code 112 3
    expect_code 335 3
    "$cli" --port "$link" --time-scale 0.1 faults read --lang en >"$dir/out" 2>&1 || fail "exit code $?"
    expect_code 112 2
    "$cli" --port "$link" --time-scale 0.1 faults clear >"$dir/out" 2>&1 || fail "exit code $? of clear"
    grep -qx "no fault codes: the ECU's memory is clear" "$dir/out" || fail "clear does not say so"
    "$cli" --port "$link" --time-scale 0.1 faults read >"$dir/out" 2>&1 || fail "exit code $?"
    ! grep -q '^Код: ' "$dir/out" || fail "codes after clearing"
    grep -qx "no fault codes" "$dir/out" || fail "an empty list is not told"
    ;;
  faults-damaged-codes)
    # A codes.txt that is empty, junk or cut by a NUL: told on stderr, every code printed
    # as one without a description.
    start_sim --codes 112 --time-scale 0.1
    mkdir "$dir/home"
    while IFS='|' read -r kind told; do
      case $kind in
        empty) : >"$dir/home/codes.txt" ;;
        junk) for _ in $(seq 100); do printf '\xc3\xbe\x89PNG\x7f\xff junk '; done >"$dir/home/codes.txt" ;;
        nul) printf '10\nKOER\nE10\nR10\nC10\n\000112\nKOER\nE112\nR112\nC112\n' >"$dir/home/codes.txt" ;;
      esac
      "$cli" --home "$dir/home" --port "$link" --time-scale 0.1 faults read >"$dir/out" 2>"$dir/err" \
        || fail "$kind: exit code $?"
      grep -qF "veskor-cli: $told" "$dir/err" || fail "$kind: not told: $(cat "$dir/err")"
      [ "$(grep -c '^veskor-cli: ' "$dir/err")" -eq 1 ] || fail "$kind: told more than once: $(cat "$dir/err")"
      grep -qx "Описание: нет описания" "$dir/out" || fail "$kind: the code's description"
    done <<CASES
empty|В файле кодов ошибок codes.txt нет ни одного кода: файл пуст
junk|В файле кодов ошибок codes.txt нет ни одного кода: ни одна из 1 строк не номер кода
nul|Файл кодов ошибок codes.txt прочитан не до конца: символ NUL в строке 6, не прочитано строк: 4
CASES
    ;;
  faults-test)
    # A second of the test is a tenth of one here: a loaded machine may leave one of the
    # cli's polls late, so the test runs long enough to show some of its seconds whatever
    # the one missed.
    start_sim --codes 112 --engine-off --self-test-time 10 --time-scale 0.1
    "$cli" --port "$link" --time-scale 0.1 faults test >"$dir/out" 2>&1 || fail "exit code $?"
    [ "$(grep '^Код: ' "$dir/out" | tr '\n' ' ')" = "Код: 111 Код: 112 " ] || fail "KOEO codes"
    # The self-test shows its seconds as they pass: 0 first, then rising ones before it ends.
    seconds=$(sed -n 's|^progress \([0-9]*\)/60 s$|\1|p' "$dir/out" | tr '\n' ' ')
    [ "${seconds%% *}" = 0 ] || fail "no progress at the start: $seconds"
    echo "$seconds" | awk '{ for (i = 2; i <= NF; i++) if ($i <= $(i - 1)) exit 1;
                             for (i = 2; i <= NF; i++) if ($i >= 1 && $i <= 9) exit 0; exit 1 }' \
      || fail "no rising progress during the test: $seconds"
    kill "$simpid"; wait "$simpid" 2>/dev/null
    # The ECU's answer to a read has a second to come: a third of one here, so that a
    # loaded machine delaying the module by a tenth still finds the answer in time.
    start_sim --codes 112 --fault no-result --time-scale 0.3
    "$cli" --port "$link" --time-scale 0.3 faults read >"$dir/out" 2>&1 || fail "exit code $?"
    [ "$(grep '^Код: ' "$dir/out")" = "Код: 999" ] || fail "no 999"
    kill "$simpid"; wait "$simpid" 2>/dev/null
    start_sim --fault silent --time-scale 0.1
    "$cli" --port "$link" --time-scale 0.1 faults read >"$dir/out" 2>"$dir/err" && fail "success without an ECU"
    grep -qx "veskor-cli: the ECU gave no answer on $link" "$dir/err" || fail "the sentence: $(cat "$dir/err")"
    # A port name without a slash is a device in /dev: the sentence names the path tried.
    "$cli" --port ttyVeskorNone --time-scale 0.1 connect >"$dir/out" 2>"$dir/err"; rc=$?
    [ $rc -eq 1 ] || fail "a missing port gave exit code $rc"
    grep -q "^veskor-cli: the port /dev/ttyVeskorNone failed: " "$dir/err" || fail "the sentence: $(cat "$dir/err")"
    [ "$(wc -l <"$dir/err")" -eq 1 ] || fail "not one sentence"
    ;;
  dump-full)
    start_sim --baud 0 --image-out "$dir/img.bin"
    "$cli" --port "$link" dump --full -o "$dir/d.bin" >"$dir/out" 2>&1 || fail "exit code $?"
    grep -qx "event evDumpDone 0" "$dir/out" || fail "no evDumpDone"
    [ "$(stat -c %s "$dir/d.bin")" -eq 65536 ] || fail "dump is not 65,536 bytes"
    cmp -n 65520 "$dir/d.bin" "$dir/img.bin" || fail "dump differs from the image"
    ;;
  dump-gap)
    start_sim --baud 0 --fault memory-gap --time-scale 0.1
    "$cli" --port "$link" --time-scale 0.1 dump --first 0 --end 0x10 -o "$dir/d.bin" >"$dir/out" 2>&1 && fail "success with a gap"
    grep -qx "log Ошибка по смещению 0040–007F!" "$dir/out" || fail "the gap is not logged"
    [ ! -e "$dir/d.bin" ] || fail "a dump file was written"
    ;;
  live-killed)
    # kill -9 after some seconds of capture: the file keeps its header and every row up to
    # the last second before the kill.
    capture_then_kill --port sim --time-scale 0.1 live --csv "$dir/out.csv"
    head -n 1 "$dir/out.csv" | grep -q '^# start ' || fail "no start line"
    [ "$(sed -n 2p "$dir/out.csv" | cut -d, -f1-3)" = "time_s,Engine speed (rpm),Supply voltage (V)" ] || fail "no heading"
    last=$(tail -n 1 "$dir/out.csv" | awk -F, '{ printf "%d", $1 * 1000 }')
    streamed=$(((killed - started) / 1000000))
    rows=$(($(wc -l <"$dir/out.csv") - 2))
    echo "captured ${streamed} ms, last row at ${last} ms, ${rows} rows" >>"$dir/out"
    [ "$last" -ge $((streamed - 1000)) ] || fail "rows of more than the last second lost"
    # Whole rows only, their times in order.
    awk -F, -v n="$(sed -n 2p "$dir/out.csv" | awk -F, '{ print NF }')" '
      NR > 2 && (NF != n || $1 + 0 < t) { print "row " NR " broken"; bad = 1 } NR > 2 { t = $1 + 0 }
      END { exit bad }' "$dir/out.csv" >>"$dir/out" || fail "a broken row"
    ;;
  record-killed)
    # kill -9 of a recording capture: the file reads up to about the last second before the
    # kill, in whole blocks, and exports; the word rate of a paced 115,200-baud stream.
    start_sim --time-scale 0.2 --baud 115200
    capture_then_kill --port "$link" --time-scale 0.2 --speed 115200 record -o "$dir/r.vrec"
    streamed=$(((killed - started) / 1000000))
    "$cli" export "$dir/r.vrec" -o "$dir/r.csv" >"$dir/export" 2>&1 || fail "export: exit code $?"
    cat "$dir/export" >>"$dir/out"
    words=$(sed -n 's/^exported \([0-9]*\) words, \([0-9.]*\) s$/\1/p' "$dir/export")
    seconds=$(sed -n 's/^exported \([0-9]*\) words, \([0-9.]*\) s$/\2/p' "$dir/export")
    [ -n "$words" ] || fail "export says nothing of the words"
    last=$(awk -v s="$seconds" 'BEGIN { printf "%d", s * 1000 }')
    echo "captured ${streamed} ms, recorded ${last} ms, ${words} words, $(stat -c %s "$dir/r.vrec") bytes" >>"$dir/out"
    [ "$last" -ge $((streamed - 1600)) ] || fail "more than the last second lost"
    [ "$(sed -n 2p "$dir/r.csv" | cut -d, -f1-2)" = "time_s,Engine speed (rpm)" ] || fail "CSV heading"
    [ "$(($(wc -l <"$dir/r.csv") - 2))" -ge 10 ] || fail "too few CSV rows"
    [ -n "${VESKOR_SHOW:-}" ] && cat "$dir/out"
    ;;
  record-export)
    # A recording of the built-in simulator exports as CSV that parses back: regular rows,
    # times in seconds and in order, an engine speed in every row once it came.
    "$cli" --port sim --time-scale 0.1 record --seconds 3 -o "$dir/r.vrec" >"$dir/out" 2>&1 || fail "record: exit code $?"
    grep -q '^recorded [1-9][0-9]* words$' "$dir/out" || fail "record says nothing of the words"
    "$cli" export "$dir/r.vrec" -o "$dir/r.csv" >"$dir/export" 2>&1 || fail "export: exit code $?"
    cat "$dir/export" >>"$dir/out"
    ! grep -q '^log ' "$dir/export" || fail "a whole recording told as damaged"
    awk -F, 'NR == 1 { if ($0 !~ /^# start [0-9-]+T[0-9:]+/) { print "start " $0; bad = 1 }; next }
             NR == 2 { n = NF; if ($1 != "time_s" || $2 != "Engine speed (rpm)") { print "heading " $0; bad = 1 }; next }
             NF != n { print "row " NR " has " NF " cells"; bad = 1 }
             $1 + 0 < t { print "time goes back in row " NR; bad = 1 }
             { t = $1 + 0; rows++ }
             $2 != "" && ($2 < 500 || $2 > 7000) { print "engine speed " $2 " in row " NR; bad = 1 }
             END { if (rows < 20 || t < 2) { print rows " rows over " t " s"; bad = 1 }; exit bad }' "$dir/r.csv" >>"$dir/out" \
      || fail "the CSV does not parse back"
    # For a Russian spreadsheet: the same cells, split by ";", with decimal commas.
    "$cli" export "$dir/r.vrec" -o "$dir/ru.csv" --csv-locale ru >>"$dir/out" 2>&1 || fail "ru: exit code $?"
    [ "$(sed -n 1p "$dir/ru.csv")" = "$(sed -n 1p "$dir/r.csv")" ] || fail "ru: start line"
    [ "$(tail -n +2 "$dir/ru.csv" | tr ',;' '.,')" = "$(tail -n +2 "$dir/r.csv")" ] || fail "ru: not the cells of the default CSV"
    grep -q '^[0-9]*,[0-9]\{3\};' "$dir/ru.csv" || fail "ru: no time with a decimal comma"
    # Something that is no recording: exit 1 and a sentence, no CSV.
    printf 'garbage' >"$dir/g.vrec"
    "$cli" export "$dir/g.vrec" -o "$dir/g.csv" >"$dir/out" 2>"$dir/err"; rc=$?
    [ $rc -eq 1 ] || fail "garbage gave exit code $rc"
    grep -q "не является записью сеанса" "$dir/err" || fail "the sentence: $(cat "$dir/err")"
    [ ! -e "$dir/g.csv" ] || fail "a CSV of garbage"
    ;;
  live-sim-killed)
    # The module gone mid-capture: exit 1 within the silence limit (5 s times 0.1) and the
    # stream's stop, one sentence on stderr, the rows kept.
    start_sim --time-scale 0.1
    "$cli" --port "$link" --time-scale 0.1 live --csv "$dir/out.csv" >"$dir/out" 2>"$dir/err" &
    clipid=$!
    for _ in $(seq 200); do [ "$(cat "$dir/out.csv" 2>/dev/null | wc -l)" -gt 20 ] && break; sleep 0.05; done
    kill -9 "$simpid"; wait "$simpid" 2>/dev/null; simpid=
    killed=$(date +%s%N)
    wait "$clipid"; rc=$?
    took=$((($(date +%s%N) - killed) / 1000000))
    cat "$dir/err" >>"$dir/out"
    echo "exit $rc after $took ms" >>"$dir/out"
    [ $rc -eq 1 ] || fail "exit code $rc"
    [ "$took" -le 2500 ] || fail "took $took ms"
    [ "$(wc -l <"$dir/err")" -eq 1 ] || fail "not one sentence on stderr"
    # The link reports the lost device at once; a silent one ends after the limit.
    grep -qE "^veskor-cli: (the port $link failed: .*\(read\)|no valid word came from $link for 0.5 s)" "$dir/err" || fail "the sentence"
    [ "$(wc -l <"$dir/out.csv")" -gt 20 ] || fail "rows lost"
    ;;
  live-bad-words)
    # Words that fail their check are no values: no pid line, no row, and a stream of
    # nothing else has fallen silent.
    "$cli" --port sim --sim-fault bad-check --time-scale 0.1 live --seconds 3 >"$dir/out" 2>"$dir/err"
    rc=$?
    [ $rc -eq 1 ] || fail "exit code $rc"
    ! grep -q '^pid ' "$dir/out" || fail "a rejected word printed"
    grep -q "^veskor-cli: no valid word came from" "$dir/err" || fail "the sentence: $(cat "$dir/err")"
    "$cli" --port sim --sim-fault bad-check --time-scale 0.1 live --seconds 3 --csv "$dir/out.csv" >"$dir/out" 2>&1
    [ ! -s "$dir/out.csv" ] || fail "a line of rejected words"
    # A table the module refuses: no stream, one sentence.
    "$cli" --port sim --sim-fault table-refused --time-scale 0.1 live >"$dir/out" 2>"$dir/err"
    rc=$?
    [ $rc -eq 1 ] || fail "exit code $rc with a refused table"
    grep -q "^veskor-cli: no live data came from .*: the stream did not start$" "$dir/err" || fail "the sentence: $(cat "$dir/err")"
    ;;
  live-memory)
    # An unpaced stream for a few seconds: the capture keeps rows, not a history per PID.
    start_sim --baud 0
    "$cli" --port "$link" live --seconds 4 --csv "$dir/out.csv" >"$dir/out" 2>&1 &
    clipid=$!
    peak=0
    while kill -0 "$clipid" 2>/dev/null; do
      kb=$(awk '/^VmHWM/ { print $2 }' "/proc/$clipid/status" 2>/dev/null)
      [ -n "$kb" ] && [ "$kb" -gt "$peak" ] && peak=$kb
      sleep 0.2
    done
    wait "$clipid" || fail "exit code $?"
    echo "peak $((peak / 1024)) MB, $(wc -l <"$dir/out.csv") lines" >>"$dir/out"
    [ "$peak" -lt 204800 ] || fail "peak of $((peak / 1024)) MB"
    grep "^peak" "$dir/out"
    ;;
  lookup)
    "$cli" lookup 4baa >"$dir/out" 2>&1 || fail "a known code gave exit code $?"
    grep -q "^Модель: ." "$dir/out" || fail "no record"
    "$cli" lookup 0001 >"$dir/out" 2>&1; rc=$?
    [ $rc -eq 1 ] || fail "an unknown code gave exit code $rc"
    [ "$(cat "$dir/out")" = "нет данных" ] || fail "an unknown code is not told"
    ;;
  usage)
    # Each bad argument: exit 2, the reason on stderr, the adapter untouched. The lines
    # are "ARGUMENTS|REASON", the arguments of veskor-cli itself first.
    while IFS='|' read -r args reason; do
      # shellcheck disable=SC2086
      "$cli" $args >"$dir/out" 2>"$dir/err"
      rc=$?
      [ $rc -eq 2 ] || fail "\"$args\" gave exit code $rc, not 2"
      grep -qF -- "$reason" "$dir/err" || fail "\"$args\": no reason \"$reason\" in: $(cat "$dir/err")"
      ! grep -q '^log ' "$dir/out" || fail "\"$args\" used the adapter"
    done <<CASES
--port sim --speed 12345 connect|--speed is one of
--port sim --time-scale nan connect|--time-scale needs a number above 0
--port sim --time-scale inf connect|--time-scale needs a number above 0
--port sim --time-scale -1 connect|--time-scale needs a number above 0
--port sim --time-scale 0 connect|--time-scale needs a number above 0
--port sim --time-scale 1e300 connect|--time-scale needs a number above 0
--port sim --frobnicate connect|frobnicate
--port|port
--port sim|name a command
--port sim frobnicate|unknown command
connect|--port is required
--port sim faults|faults takes read
--port sim faults frob|faults takes read
--port sim faults read --lang de|--lang is ru or en
--port sim faults read --lang|--lang needs a value
--port sim faults read --colour red|unknown option --colour
--port sim dump --full --ram -o x|dump takes
--port sim dump --full|dump takes
--port sim dump --first 1 -o x|--first and --end go together
--port sim dump --first 10 --end 5 -o x|--end (excluded) must lie above --first
--port sim dump --full -o $dir|is a folder
--port sim dump --full -o $dir/none/d.bin|which is no folder
--port sim live --table X|--table is P or T
--port sim live --seconds 0|--seconds needs a number
--port sim live extra|live takes only
--port sim record|record takes -o FILE
--port sim record -o $dir/r.vrec --table X|--table is P or T
--port sim record -o $dir/none/r.vrec|which is no folder
--port sim record -o $dir/r.vrec extra|record takes
export|export takes RECORDING
export $dir/r.vrec|export takes RECORDING
export $dir/r.vrec -o $dir|is a folder
--port sim live --csv|--csv needs a value
--port sim live --csv $dir/none/x.csv|cannot write
--port sim live --csv-locale ru|--csv-locale goes with --csv
--port sim live --csv $dir/x.csv --csv-locale de|--csv-locale is ru or en
export $dir/r.vrec -o $dir/x.csv --csv-locale|--csv-locale needs a value
--port sim options|options takes
--port sim options write|needs --ecu-speed or --format
--port sim options write --ecu-speed 4|--ecu-speed needs a number from 0 to 3
--port sim options write --speed 2|--ecu-speed
lookup|lookup takes one
lookup 12345|no calibration code
lookup XYZ|no calibration code
lookup 0|no calibration code
CASES
    ;;
esac
echo "ok"
