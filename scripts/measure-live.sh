#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Measures the window while live data streams: runs
#   veskor-reader --live --profile main.ini --measure FILE
# offscreen, in a fresh program folder, for SECONDS seconds, then ends it with SIGTERM (the
# window closes in order). The module is veskor-sim on a pseudo-terminal, paced at 115200
# baud, in a process of its own, so that the CPU figures are the window's and its link's
# alone, as with a real adapter. VESKOR_MEASURE_SIM=builtin uses the simulator inside the
# window's process instead.
#
# Usage: scripts/measure-live.sh SECONDS [BUILD_DIR]     (BUILD_DIR: build by default)
#
# Output, one "name value" line per figure, always in this order:
#   seconds          length of the window's measurement: from the first to the last
#                    second in which stream words came, s
#   cpu_percent      the process's CPU time over that time, % of one core: the window
#                    and the link thread
#   gui_thread_cpu_percent  the GUI thread's own share of it, % of one core
#   rss_start_kib    resident memory when the stream started, KiB
#   rss_end_kib      resident memory at the end, KiB
#   latency_samples  values measured: a PID's newest value counts once, when a gauge that
#                    shows the PID paints
#   latency_p50_ms   from the moment the link thread took the word (its slot message is
#   latency_p99_ms   stamped as it is posted) to the start of that gauge's paint: median,
#   latency_max_ms   99th percentile (both to 0.1 ms) and the longest
#   backlog_max      most slot messages seen waiting behind the one being handled
#   stream_words     words of the live stream the window handled
#   history_kib      memory the recorded history of the trend's PIDs held at the end, KiB
#   proc_cpu_percent CPU share sampled from /proc/PID/stat by this script over SECONDS,
#                    from 2 s after the stream started, % of one core
#   proc_rss_max_kib largest resident memory sampled from /proc/PID/stat, KiB
#   words_streamed   words the simulator sent (only with veskor-sim in its own process)
#   words_lost       words_streamed - stream_words: sent but never handled by the window
# The first twelve come from the program (--measure), the others from outside it. The
# simulator ends its stream a few seconds after SECONDS (the fault stream-stops) and says
# so; the window is closed only then, when it has every word the simulator sent.
# With VESKOR_MEASURE_RSS_LOG=FILE, the resident memory is also appended to FILE about
# once a minute ("seconds KiB"), to tell a memory that levels off from one that grows.
# Exit status: 0 when all figures were taken, 1 otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: $0 SECONDS [BUILD_DIR]}
build=${2:-build}
reader="$build/bin/veskor-reader"
[ -x "$reader" ] || { echo "no $reader: build the target veskor-reader first" >&2; exit 1; }

home=$(mktemp -d)
sim_pid=
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; rm -rf "$home"' EXIT
cp -r data/. "$home/"
port=sim
builtin=(--simulator)
if [ "${VESKOR_MEASURE_SIM:-}" != builtin ]; then
  "$build/bin/veskor-sim" --baud 115200 --link "$home/tty" --fault stream-stops \
    --stream-stop $(((seconds + 4) * 1000)) >"$home/sim.txt" 2>&1 &
  sim_pid=$!
  for _ in $(seq 50); do [ -e "$home/tty" ] && break; sleep 0.1; done
  [ -e "$home/tty" ] || { echo "veskor-sim did not start" >&2; exit 1; }
  port="$home/tty"
  builtin=()
fi
# 115200 baud is entry 4 of the speed list; the main dashboard is on show.
printf '[Main]\nComPortName=%s\nComPortSpeed=4\nAutoReconnect=0\nCurrentProfile=main.ini\n' \
  "$port" >"$home/reader.ini"

QT_QPA_PLATFORM=offscreen "$reader" --home "$home" ${builtin[@]+"${builtin[@]}"} --live \
  --profile "$home/Profiles/main.ini" --measure "$home/measure.txt" >"$home/out.txt" 2>&1 &
pid=$!

ticks=$(getconf CLK_TCK)
page=$(getconf PAGESIZE)
# utime + stime (fields 14 and 15) and rss in pages (field 24); the name field may hold
# spaces, so the fields are counted after its closing parenthesis.
stat_fields() { sed 's/.*) //' "/proc/$pid/stat" | awk '{ print $12 + $13, $22 }'; }

# sim_says WHAT LIMIT: waits up to LIMIT seconds for the simulator to say WHAT.
sim_says() {
  for _ in $(seq $(($2 * 10))); do
    grep -qx "$1" "$home/sim.txt" && return 0
    sleep 0.1
  done
  echo "veskor-sim did not say $1 within $2 s; the window's output:" >&2
  cat "$home/out.txt" >&2
  exit 1
}
[ -n "$sim_pid" ] && sim_says stream_started 60
sleep 2
read -r cpu0 rss_max < <(stat_fields)
t0=$(date +%s.%N)
end=$(($(date +%s) + seconds))
tick=0
while [ "$(date +%s)" -lt "$end" ] && kill -0 "$pid" 2>/dev/null; do
  read -r cpu rss < <(stat_fields)
  [ "$rss" -gt "$rss_max" ] && rss_max=$rss
  if [ -n "${VESKOR_MEASURE_RSS_LOG:-}" ] && [ $((tick % 60)) = 0 ]; then
    echo "$tick $((rss * page / 1024))" >>"$VESKOR_MEASURE_RSS_LOG"
  fi
  tick=$((tick + 1))
  sleep 1
done
read -r cpu1 rss < <(stat_fields)
t1=$(date +%s.%N)
[ "$rss" -gt "$rss_max" ] && rss_max=$rss
# The stream stops a few seconds later; its last words then reach the window.
if [ -n "$sim_pid" ]; then
  sim_says stream_ended 60
  sleep 1
fi
kill -TERM "$pid"
wait "$pid" || true

if [ ! -s "$home/measure.txt" ]; then
  echo "the window wrote no figures; its output:" >&2
  cat "$home/out.txt" >&2
  exit 1
fi
cat "$home/measure.txt"
awk -v c0="$cpu0" -v c1="$cpu1" -v t0="$t0" -v t1="$t1" -v hz="$ticks" \
  'BEGIN { printf "proc_cpu_percent %.1f\n", 100 * (c1 - c0) / hz / (t1 - t0) }'
echo "proc_rss_max_kib $((rss_max * page / 1024))"
if [ -n "$sim_pid" ]; then
  kill -TERM "$sim_pid"
  wait "$sim_pid" || true
  sim_pid=
  streamed=$(awk '$1 == "words_streamed" { print $2 }' "$home/sim.txt")
  taken=$(awk '$1 == "stream_words" { print $2 }' "$home/measure.txt")
  [ -n "$streamed" ] || { echo "veskor-sim gave no count of its words" >&2; exit 1; }
  echo "words_streamed $streamed"
  echo "words_lost $((streamed - taken))"
  if [ "$streamed" != "$taken" ]; then
    echo "words were lost; the window's output and the link's log:" >&2
    cat "$home/out.txt" >&2
  fi
fi
