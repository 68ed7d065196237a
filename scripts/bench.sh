#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Runs the benchmarks and the measurements and prints one table of figures.
#   scripts/bench.sh                 benchmarks, start-up, GUI while streaming (60 s), dump
#   scripts/bench.sh --soak SECONDS  also a soak of that length (3600 for the hour)
#   scripts/bench.sh --soak-from FILE  also the figures of an earlier soak (measure-live.sh output)
#   scripts/bench.sh --quick         benchmarks only (a few seconds)
# Figures are ratios or per-operation times from this one run; rerun to see the spread.
# The soak, when run, also writes its lines to build/soak.txt.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
soak=0
soak_from=
quick=0
while [ $# -gt 0 ]; do
    case "$1" in
    --soak) soak="$2"; shift 2 ;;
    --soak-from) soak_from="$2"; shift 2 ;;
    --quick) quick=1; shift ;;
    *) echo "usage: scripts/bench.sh [--quick] [--soak SECONDS]" >&2; exit 2 ;;
    esac
done

command -v python3 >/dev/null || { echo "bench.sh needs python3" >&2; exit 2; }
"$root/scripts/setup-deps.sh" || exit 2
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 2
cmake --build "$build" -j2 --target link_bench widgets_bench profiles_bench store_bench \
    veskor-reader link_exchange_tests >/dev/null || exit 2

export QT_QPA_PLATFORM=offscreen
rows=()
row() { rows+=("$(printf '| %-44s | %-34s |' "$1" "$2")"); }

# One benchmark's figure: bench binary, name filter, python expression over the result b.
figure() {
    "$build/bench/$1" --benchmark_filter="^$2\$" --benchmark_min_time=0.5 \
        --benchmark_format=json 2>/dev/null |
        python3 -c "import json,sys; b=json.load(sys.stdin)['benchmarks'][0]; print($3)"
}

# Bytes of the 115,200-baud line per second: ten bits a byte.
line=11520
row "Decoder throughput" \
    "$(figure link_bench DecodeLiveData "'%.0f x the 115,200-baud line' % (b['bytes_per_second'] / $line)")"
row "Decoder + slot posts throughput" \
    "$(figure link_bench DecodeLiveDataAndPostSlots "'%.0f x the line' % (b['bytes_per_second'] / $line)")"
row "Fan-out of one value to 40 widgets" \
    "$(figure widgets_bench FanOutToFortyWidgetsOneMatch "'%.2f us per value' % (b['cpu_time'] / 1000)")"
row "Gauge paint (cached dial)" \
    "$(figure widgets_bench GaugePaintWithCachedDial "'%.1f us per paint' % b['cpu_time']")"
row "Gauge dial rebuild" \
    "$(figure widgets_bench GaugeDialRebuild "'%.1f us per rebuild' % b['cpu_time']")"
row "Trend paint, one hour of history" \
    "$(figure profiles_bench TrendPaintFollowingHourOfHistory "'%.2f ms per paint' % b['cpu_time']")"
row "Store one value" \
    "$(figure store_bench StoreValue "'%.0f ns per value' % b['cpu_time']")"

if [ "$quick" = 0 ]; then
    # Start-up: from starting the process to the window on show, as the program reports it.
    # The median of five starts in a home with the sample files (no first-start dialog)
    # and, given a number, a register of that many vehicles in place of the sample's.
    startup() {
        local home out
        home=$(mktemp -d)
        cp -r "$root/data/." "$root/scripts/sample-home/." "$home/"
        [ -z "${1:-}" ] || large_register "$1" > "$home/autos.ini"
        out=$(for _ in 1 2 3 4 5; do
            "$build/bin/veskor-reader" --home "$home" --quit-when-shown 2>/dev/null |
                grep -o 'shown after [0-9]* ms' | grep -o '[0-9]*'
        done | sort -n | sed -n 3p)
        rm -rf "$home"
        echo "${out:-?}"
    }
    # autos.ini as the program writes it under a Russian locale: every vehicle with the
    # date and time of its last diagnosis, each of its own.
    large_register() {
        python3 - "$1" <<'PY'
import datetime, sys
start = datetime.datetime(2000, 1, 1, 8, 0, 1)
out = []
for i in range(int(sys.argv[1])):
    read = start + datetime.timedelta(days=i % 9000, seconds=i * 7)
    out.append(f"[{i}]\nName=Escort {i + 1}\nModel=Escort\nYear={1985 + i % 15}\n"
               f"VIN=WF0AXXGCAASA{i:05d}\nPlate=А{i % 1000:03d}ВС 77\n"
               f"LastRead={read:%d.%m.%Y %H:%M:%S}\nComment=Автомобиль {i + 1}\n"
               f"CarProfile=0\nCalID={i % 65536:04X}\n")
sys.stdout.buffer.write("".join(out).encode("utf-8"))
PY
    }
    row "Start-up to the shown window (median of 5)" "$(startup) ms"
    row "  with a register of 10,000 vehicles" "$(startup 10000) ms"

    if [ -x "$root/scripts/measure-live.sh" ]; then
        while read -r name value; do
            case "$name" in
            cpu_percent) row "Window process CPU, streaming 115,200 baud" "$value % of one core" ;;
            gui_thread_cpu_percent) row "  of it the GUI thread" "$value % of one core" ;;
            latency_p99_ms) row "Packet to gauge, 99th percentile" "$value ms" ;;
            latency_max_ms) row "Packet to gauge, largest" "$value ms" ;;
            backlog_max) row "Largest slot message backlog" "$value" ;;
            words_lost) row "Stream words lost (of those sent)" "$value" ;;
            esac
        done < <("$root/scripts/measure-live.sh" 60 2>/dev/null)
    fi

    dump=$(VESKOR_MEASURE=1 "$build/tests/bin/link_exchange_tests" \
        --gtest_filter='LinkMeasure.FullDump*' 2>/dev/null | grep -o 'stream/line [0-9.]*' | grep -o '[0-9.]*$')
    row "Full dump time / line-rate bound" "${dump:-?}"
fi

if [ "$soak" != 0 ]; then
    "$root/scripts/measure-live.sh" "$soak" > "$build/soak.txt" 2>/dev/null
    soak_from="$build/soak.txt"
fi
if [ -n "$soak_from" ]; then
    soak=$(awk '$1 == "seconds" { printf "%.0f", $2 }' "$soak_from")
    while read -r name value; do
        case "$name" in
        rss_start_kib) start=$value ;;
        rss_end_kib) row "Soak ($soak s): memory at start / end" "$start / $value KiB" ;;
        history_kib) row "Soak ($soak s): recorded history at the end" "$value KiB" ;;
        words_streamed) sent=$value ;;
        words_lost) row "Soak ($soak s): stream words lost" "$value of $sent" ;;
        cpu_percent) row "Soak ($soak s): window process CPU" "$value % of one core" ;;
        latency_max_ms) row "Soak ($soak s): packet to gauge, largest" "$value ms" ;;
        backlog_max) row "Soak ($soak s): largest slot message backlog" "$value" ;;
        esac
    done < "$soak_from"
fi

printf '| %-44s | %-34s |\n' "Figure" "Value"
printf '|%s|%s|\n' "$(printf -- '-%.0s' {1..46})" "$(printf -- '-%.0s' {1..36})"
printf '%s\n' "${rows[@]}"
