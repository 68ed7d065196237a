#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Every veskor-cli command against every fault of the module or its line, on the built-in
# simulator at time scale 0.1: each run ends with its documented exit code (0 done, 1
# failed, never 2), a failed one with exactly one sentence on stderr, a done one with none.
# Usage: fault_matrix.sh VESKOR_CLI [JOBS]
set -u
cli=$1 jobs=${2:-6}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
head -c 300 /dev/zero | tr '\0' '\125' >"$dir/firmware.bin"

faults=(silent short-replies wrong-replies noise drop-bytes flip-bits stream-stops unplug no-port)
# name|arguments of the command|the line that pulls the cable|exit codes under the faults
# above. A fault that does not touch what the command needs leaves it done (0).
table=$(cat <<TABLE
connect|connect|v|1 0 0 0 0 0 0 1 1
live|live --seconds 1|cE|1 1 1 0 0 0 1 1 1
faults-read|faults read|cB|1 0 0 0 0 0 0 1 1
faults-clear|faults clear|cC|1 0 0 0 0 0 0 1 1
faults-test|faults test|cD|1 0 1 0 0 0 1 1 1
dump|dump --first 0 --end 0x100 -o @DIR@/NAME.bin|a|1 0 1 0 1 1 1 1 1
options-read|options read|ooooooo|1 1 1 0 0 0 0 1 1
options-write|options write --ecu-speed 2 --format 0|o0|1 0 0 0 0 0 0 1 1
reset|reset|r|1 0 0 0 0 0 0 1 1
reset-status|reset-status|cA|1 0 0 0 0 0 0 1 1
flash|flash @DIR@/firmware.bin|r|1 1 1 0 0 0 0 1 1
TABLE
)

# run NAME ARGS UNPLUG FAULT EXPECTED: one combination; writes its verdict to a file.
run() {
  local name=$1 args=$2 unplug=$3 fault=$4 expected=$5 id="$1.$4"
  local port=(--port sim)
  case $fault in
    unplug) port+=(--sim-unplug-on "$unplug") ;;
    no-port) port=(--port "$dir/no-such-port") ;;
    *) port+=(--sim-fault "$fault") ;;
  esac
  args=${args//@DIR@/$dir}
  args=${args//NAME/$id}
  local start end rc verdict=ok
  start=$(date +%s%N)
  # shellcheck disable=SC2086
  timeout 60 "$cli" "${port[@]}" --time-scale 0.1 $args >"$dir/$id.out" 2>"$dir/$id.err"
  rc=$?
  end=$(date +%s%N)
  local lines
  lines=$(wc -l <"$dir/$id.err")
  local ms=$(((end - start) / 1000000))
  if [ "$rc" -ne "$expected" ]; then
    verdict="exit $rc, expected $expected: $(head -c 200 "$dir/$id.err")"
  elif [ "$rc" -eq 1 ] && { [ "$lines" -ne 1 ] || ! grep -q '^veskor-cli: ' "$dir/$id.err"; }; then
    verdict="not one sentence on stderr: $(head -c 300 "$dir/$id.err")"
  elif [ "$rc" -eq 0 ] && [ "$lines" -ne 0 ]; then
    verdict="done, yet stderr says: $(head -c 200 "$dir/$id.err")"
  elif [ "$ms" -gt "$BOUND_MS" ]; then
    # The slowest, a firmware update that finds no module, waits about 3.5 s at this scale.
    verdict="took $ms ms"
  fi
  printf '%s|%s|%s|%s|%s\n' "$name" "$fault" "$rc" "$ms" "$verdict" >"$dir/$id.verdict"
}
export -f run
# No combination may take longer than this (real time, on a loaded machine).
BOUND_MS=15000
export cli dir BOUND_MS

while IFS='|' read -r name args unplug codes; do
  read -ra expected <<<"$codes"
  for i in "${!faults[@]}"; do
    printf '%s\0%s\0%s\0%s\0%s\0' "$name" "$args" "$unplug" "${faults[$i]}" "${expected[$i]}"
  done
done <<<"$table" | xargs -0 -n 5 -P "$jobs" bash -c 'run "$@"' run

# A reply late by a few scaled milliseconds fails a run on a machine that other work keeps
# busy: a combination that failed runs once more, alone, and fails only if it fails again.
retried=0
while IFS='|' read -r name args unplug codes; do
  read -ra expected <<<"$codes"
  for i in "${!faults[@]}"; do
    file="$dir/$name.${faults[$i]}.verdict"
    IFS='|' read -r _ _ _ _ verdict <"$file"
    [ "$verdict" = ok ] && continue
    echo "$name x ${faults[$i]} failed ($verdict), once more alone"
    run "$name" "$args" "$unplug" "${faults[$i]}" "${expected[$i]}"
    retried=$((retried + 1))
  done
done <<<"$table"

# The table: exit code and milliseconds of each combination.
printf '%-14s' ""
for fault in "${faults[@]}"; do printf ' %13s' "$fault"; done
echo
bad=0 count=0
while IFS='|' read -r name _ _ _; do
  printf '%-14s' "$name"
  for fault in "${faults[@]}"; do
    IFS='|' read -r _ _ rc ms verdict <"$dir/$name.$fault.verdict"
    printf ' %13s' "$rc ${ms}ms"
    count=$((count + 1))
    if [ "$verdict" != ok ]; then bad=$((bad + 1)); fi
  done
  echo
done <<<"$table"
for file in "$dir"/*.verdict; do
  IFS='|' read -r name fault _ _ verdict <"$file"
  [ "$verdict" = ok ] || echo "FAIL: $name x $fault: $verdict"
done
echo "$count combinations, $bad failed, $retried run again alone"
[ "$bad" -eq 0 ]
