#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) in build-fuzz/ and runs each
# for SECONDS (default 60), one after another, on its corpus; with --runs N, each for N
# inputs instead (no time limit).
#   scripts/fuzz.sh [SECONDS] [TARGET...]      targets: see fuzz/CMakeLists.txt
#   scripts/fuzz.sh --runs N [TARGET...]
# New corpus entries go to build-fuzz/corpus/<target>/ (fuzz/corpus/<target>/ is only read;
# copy or -merge=1 what is worth keeping there), crash, timeout and leak inputs to
# build-fuzz/crashes/<target>/. Exits 1 when any target found something.
set -uo pipefail

limit=(-max_total_time=60)
what="60 s"
if [ "${1:-}" = --runs ]; then
    limit=(-runs="$2"); what="$2 inputs"; shift 2
elif [ $# -gt 0 ]; then
    limit=(-max_total_time="$1"); what="$1 s"; shift
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
all=(rx_decoder text_file fault_codes ecu_database car_profiles register register_import
     dump ini_file profile profile_paint placeholders float_format recording
     fault_list version_reply module_options memory_read boot_loader firmware_image
     report_template reader_settings cli_arguments reader_arguments)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

command -v clang++ >/dev/null || { echo "fuzz.sh needs clang++ (Debian: clang, libclang-rt-14-dev)" >&2; exit 2; }
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DVESKOR_FUZZ=ON -DVESKOR_BUILD_TESTS=OFF -DVESKOR_BUILD_BENCH=OFF >/dev/null || exit 2
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzz}" || exit 2

export QT_QPA_PLATFORM=offscreen
# No allocation stacks: frames inside Qt defeat the fast unwinder, so nearly every stack
# is new, ASan's stack store grows without end and a run of hours slows several-fold.
# Errors are still caught; rerun a saved input without this option for the stacks.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:malloc_context_size=0}
# The loaders save through fsync; scratch files in memory keep the disk out of each input.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=${VESKOR_FUZZ_TMPDIR:-/dev/shm}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/fuzz/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
found=0
summary=()
for t in "${targets[@]}"; do
    corpus="$build/corpus/$t"
    crashes="$build/crashes/$t"
    mkdir -p "$corpus" "$crashes"
    log="$build/fuzz-$t.log"
    echo "== $t: $what (log $log)"
    seeds=$t
    [ "$t" = profile_paint ] && seeds=profile # shares the dashboards' corpus
    "$build/bin/${t}_fuzz" "${limit[@]}" -timeout=10 -rss_limit_mb=2048 \
        -max_len=16384 -print_final_stats=1 -artifact_prefix="$crashes/" \
        "$corpus" "$root/fuzz/corpus/$seeds" >"$log" 2>&1
    rc=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
    if [ $rc -ne 0 ]; then
        found=1
        summary+=("$t: FOUND (exit $rc) after ${runs:-?} runs, inputs in $crashes")
        grep -m3 -E 'ERROR|runtime error|SUMMARY|deadly signal|timeout' "$log" | sed 's/^/    /'
    else
        summary+=("$t: ${runs:-?} runs, $cov, no finding")
    fi
done
echo
printf '%s\n' "${summary[@]}"
exit $found
