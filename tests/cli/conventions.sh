#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# The command-line conventions every program keeps: --help and -h on stdout with exit 0,
# --version, "--name=value" as well as "--name value", a command's own --help, and exit
# code 2 with a reason on stderr for bad arguments, before anything else is looked at.
# Usage: conventions.sh VESKOR_READER VESKOR_CLI VESKOR_SIM
set -u
reader=$1 cli=$2 sim=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

# Each case: PROGRAM|ARGUMENTS|EXIT CODE|STREAM (out or err)|TEXT it must hold. The window
# runs without a display, so that a good command line ends at the missing display (1).
while IFS='|' read -r program args code stream text; do
  [ -z "$program" ] && continue
  case $program in reader) bin=$reader ;; cli) bin=$cli ;; sim) bin=$sim ;; esac
  # shellcheck disable=SC2086
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 \
    "$bin" $args >"$dir/out" 2>"$dir/err" </dev/null
  rc=$?
  if [ "$rc" != "$code" ] || ! grep -qF -- "$text" "$dir/$stream"; then
    echo "FAIL $program $args: exit $rc (want $code), \"$text\" wanted on std$stream"
    sed 's/^/  out: /' "$dir/out" | head -5
    sed 's/^/  err: /' "$dir/err" | head -5
    failures=$((failures + 1))
  fi
done <<CASES
reader|--help|0|out|--simulator
reader|-h|0|out|--simulator
reader|--lang=en --help|0|out|Usage: veskor-reader
reader|--home=$dir/home --lang en --bogus|2|err|Usage: veskor-reader
reader|--home|2|err|--home
reader|--lang=de|2|err|--lang
reader|--profile x.ini|2|err|--live
reader|--home=$dir/home --simulator|1|err|xvfb-run $reader --simulator
cli|--help|0|out|--help (veskor-cli live --help)
cli|-h|0|out|Commands:
cli|--bogus connect|2|err|bogus
cli|live --help|0|out|Usage: veskor-cli [options] live [--table P|T]
cli|dump -h|0|out|ECU memory
cli|--port=sim --time-scale=0.1 live --seconds=1 --table=P|0|out|pid
cli|--port=sim live --seconds=0|2|err|--seconds needs a number
cli|--port=sim live --colour=red|2|err|unknown option --colour=red
sim|--help|0|out|--link
sim|--bogus|2|err|veskor-sim: Unknown option 'bogus'
sim|--baud=x|2|err|--baud needs a number
CASES

# One version, the project's, from every program.
versions=$(for bin in "$reader" "$cli" "$sim"; do "$bin" --version | awk '{print $2}'; done | sort -u)
[ "$(echo "$versions" | wc -l)" = 1 ] || { echo "FAIL versions differ: $versions"; failures=$((failures + 1)); }

[ $failures -eq 0 ] && echo "all conventions kept"
exit $((failures > 0))
