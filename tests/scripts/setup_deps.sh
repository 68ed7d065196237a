#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# scripts/setup-deps.sh decides what to install and how, run against fake dpkg-query, id,
# sudo and apt-get that log what they are asked: only the asked-for command's packages,
# apt-get as root directly and as a user through sudo with DEBIAN_FRONTEND kept, and a
# clear refusal (exit 1) without root or a working sudo.
# Usage: setup_deps.sh SETUP_DEPS_SCRIPT
set -u
script=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
bin=$dir/bin
mkdir -p "$bin"
# Only these real tools: the script must not find the machine's own sudo or apt-get.
for tool in bash env grep cat; do ln -s "$(command -v "$tool")" "$bin/$tool"; done
cat >"$bin/dpkg-query" <<'FAKE'
#!/bin/bash
# Installed unless named in FAKE_MISSING.
for p in $FAKE_MISSING; do [ "$p" = "${!#}" ] && exit 1; done
echo "install ok installed"
FAKE
cat >"$bin/id" <<'FAKE'
#!/bin/bash
echo "$FAKE_UID"
FAKE
cat >"$bin/apt-get" <<'FAKE'
#!/bin/bash
echo "apt-get $* [DEBIAN_FRONTEND=${DEBIAN_FRONTEND:-}]" >>"$FAKE_LOG"
FAKE
cat >"$bin/sudo" <<'FAKE'
#!/bin/bash
# sudo resets the environment, as the real one does.
echo "sudo $1 $2" >>"$FAKE_LOG"
[ "$FAKE_SUDO" = fails ] && exit 1
exec env -u DEBIAN_FRONTEND "$@"
FAKE
chmod 755 "$bin"/*

failures=0
# case|argument|uid|sudo (yes, no, fails)|missing packages|exit|calls (regex, ; for several
# lines in order, ! for none)|a text the error output must hold
while IFS='|' read -r name arg uid sudo missing code calls said; do
  [ -z "$name" ] && continue
  [ "$sudo" = no ] && mv "$bin/sudo" "$bin/nosudo"
  : >"$dir/log"
  # shellcheck disable=SC2086
  env -i PATH="$bin" FAKE_UID="$uid" FAKE_SUDO="$sudo" FAKE_MISSING="$missing" \
    FAKE_LOG="$dir/log" bash "$script" $arg >"$dir/out" 2>"$dir/err"
  got=$?
  [ "$sudo" = no ] && mv "$bin/nosudo" "$bin/sudo"
  ok=1
  [ "$got" = "$code" ] || ok=0
  if [ "$calls" = '!' ]; then
    [ -s "$dir/log" ] && ok=0
  else
    IFS=';' read -ra want <<<"$calls"
    mapfile -t lines <"$dir/log"
    [ ${#lines[@]} = ${#want[@]} ] || ok=0
    for i in "${!want[@]}"; do
      grep -qE -- "${want[$i]}" <<<"${lines[$i]:-}" || ok=0
    done
  fi
  if [ -n "$said" ] && ! grep -qF -- "$said" "$dir/err"; then ok=0; fi
  if [ $ok = 1 ]; then
    echo "PASS $name"
  else
    echo "FAIL $name: exit $got (want $code)"
    sed 's/^/  call: /' "$dir/log"
    sed 's/^/  err: /' "$dir/err"
    failures=$((failures + 1))
  fi
done <<'CASES'
nothing missing|test|0|yes||0|!|
run leaves the test packages out|run|1000|yes|libgtest-dev lintian help2man|0|!|
run installs what the build needs|run|0|yes|cmake libgtest-dev|0|^apt-get update;^apt-get install .* cmake \[DEBIAN_FRONTEND=noninteractive\]$|
no argument means test||0|yes|lintian file help2man|0|^apt-get update;^apt-get install .* help2man file lintian \[DEBIAN_FRONTEND=noninteractive\]$|
root uses no sudo|test|0|yes|libgtest-dev|0|^apt-get update;^apt-get install .* libgtest-dev \[DEBIAN_FRONTEND=noninteractive\]$|
a user goes through sudo keeping DEBIAN_FRONTEND|test|1000|yes|cmake|0|^sudo env DEBIAN_FRONTEND=noninteractive$;^apt-get update .*\[DEBIAN_FRONTEND=noninteractive\];^sudo env DEBIAN_FRONTEND=noninteractive$;^apt-get install .* cmake \[DEBIAN_FRONTEND=noninteractive\]$|
a user without sudo is told the command|run|1000|no|cmake zlib1g-dev|1|!|apt-get install -y -qq --no-install-recommends cmake zlib1g-dev
a failing sudo is told the command|run|1000|fails|cmake|1|^sudo env|apt-get install -y -qq --no-install-recommends cmake
an unknown command|frobnicate|0|yes|cmake|2|!|usage
CASES
[ $failures = 0 ]
