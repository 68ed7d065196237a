#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# The language of veskor-cli's output. With --lang en, or an English system locale, no
# line of any command that prints text holds a Cyrillic letter; without --lang in the C
# locale, and with --lang ru, the log stays Russian.
# Usage: language.sh VESKOR_SIM VESKOR_CLI
set -u
sim=$1 cli=$2
dir=$(mktemp -d)
link="$dir/module"
# A module on a pty link whose ECU holds codes of both modes, one a memory code.
"$sim" --link "$link" --codes 112,157 --time-scale 0.1 >/dev/null &
simpid=$!
trap 'kill "$simpid" 2>/dev/null; wait "$simpid" 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do [ -L "$link" ] && break; sleep 0.05; done

fail() { echo "FAIL: $*"; echo "--- output:"; cat "$dir/out"; exit 1; }
cyrillic() { LC_ALL=C.UTF-8 grep -P '\p{Cyrillic}' "$@"; }
# run LANG ARGS...: veskor-cli in a system locale of LANG alone, stdout and stderr in out.
run() {
  local lang=$1
  shift
  env -u LC_ALL -u LC_MESSAGES -u LC_NUMERIC -u LANGUAGE LANG="$lang" \
    "$cli" "$@" >"$dir/out" 2>&1
}

# LANG|ARGUMENTS|LANGUAGE the output must be in (en-labels: the arguments' Russian output
# tells the values of the calibration record, which English keeps as they are)|a text
# the output must hold.
while IFS='|' read -r lang args expect shown; do
  # shellcheck disable=SC2086
  run "$lang" $args
  [ -z "$shown" ] || grep -qF -- "$shown" "$dir/out" || fail "$lang $args: no \"$shown\""
  case $expect in
    en)
      ! cyrillic "$dir/out" >/dev/null || fail "$lang $args: Russian in: $(cyrillic "$dir/out")" ;;
    en-labels)
      # The values are the database's own data: those the Russian run prints are taken out.
      sed -n 's/^[^:]*: //p' "$dir/out" >"$dir/values"
      # shellcheck disable=SC2086
      run "$lang" ${args/--lang ru/--lang en}
      awk 'NR == FNR { if ($0 != "") values[$0]; next }
           { for (v in values) { i = index($0, v); if (i) $0 = substr($0, 1, i - 1) substr($0, i + length(v)) }; print }' \
        "$dir/values" "$dir/out" >"$dir/labels"
      ! cyrillic "$dir/labels" >/dev/null || fail "$lang $args: a Russian label in: $(cyrillic "$dir/labels")" ;;
    ru)
      grep -q '^log .*' "$dir/out" && cyrillic "$dir/out" >/dev/null || fail "$lang $args: not Russian" ;;
  esac
done <<CASES
C|--lang en --help|en|--lang
C|--lang en --port sim --time-scale 0.1 connect|en
C|--lang en --port sim --time-scale 0.1 options read|en
C|--lang en --port sim --time-scale 0.1 --sim-fault silent connect|en
C|--lang en --port $link --time-scale 0.1 faults read|en|KOEO, memory
C|--lang en --port sim --time-scale 0.1 faults test --max-test-time 20|en
C|--lang en --port sim --time-scale 0.1 live --seconds 2|en|"Engine speed"
C|--lang en --port sim --time-scale 0.1 dump --first 0 --end 2 -o $dir/dump.bin|en
C|--lang en --port sim --time-scale 0.1 reset-status|en
C|--lang en lookup 0001|en
C|--lang ru lookup 4baa|en-labels
en_US.UTF-8|--port $link --time-scale 0.1 faults read|en|KOEO, memory
C|--port sim --time-scale 0.1 connect|ru
C.UTF-8|--port $link --time-scale 0.1 faults read|ru|KOEO, память
en_US.UTF-8|--lang ru --port sim --time-scale 0.1 connect|ru
CASES
echo "ok"
