#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Checks that no line of the calibration database text shows in `strings` of the built
# programs: every ELF file in BINDIR and the files named after it.
# Usage: no-plain-database.sh DATABASE BINDIR [FILE...]
set -uo pipefail
db=$1
bindir=$2
shift 2

patterns=$(mktemp)
trap 'rm -f "$patterns"' EXIT
# The lines of the text without a byte order mark, line ends or blank lines.
sed -e '1s/^\xEF\xBB\xBF//' -e 's/\r$//' "$db" | grep -v '^[[:space:]]*$' >"$patterns"
if [ ! -s "$patterns" ]; then
  echo "the database $db has no lines"
  exit 1
fi

# The check itself must see plain text where there is some.
if ! strings -a -e S "$db" | grep -q -F -f "$patterns"; then
  echo "strings does not find the lines of $db in the text itself"
  exit 1
fi

files=("$@")
for f in "$bindir"/*; do
  if [ -f "$f" ] && [ "$(head -c 4 "$f" | tr -d '\0')" = $'\x7fELF' ]; then
    files+=("$f")
  fi
done

failed=0
for f in "${files[@]}"; do
  if strings -a -e S "$f" | grep -q -F -f "$patterns"; then
    echo "plain database text in $f:"
    strings -a -e S "$f" | grep -F -o -f "$patterns" | head -n 5
    failed=1
  else
    echo "ok: $f"
  fi
done
exit $failed
