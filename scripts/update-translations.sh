#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Brings translations/*.ts up to date with the texts of the program: new texts come in as
# unfinished, texts that are gone are dropped. With --check it changes nothing and fails
# when a .ts file is out of date or has an unfinished entry, as CI runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
sources=(src cli)
languages=(en)

run_lupdate() { # ts-file
  "$lupdate" -silent -locations none -no-obsolete -source-language ru_RU \
    -target-language "$2" -extensions cpp,h "${sources[@]}" -ts "$1"
}

if [ "${1:-}" != --check ]; then
  for lang in "${languages[@]}"; do run_lupdate "translations/veskor_$lang.ts" "$lang"; done
  exit 0
fi

status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for lang in "${languages[@]}"; do
  ts="translations/veskor_$lang.ts"
  cp "$ts" "$work/$lang.ts"
  run_lupdate "$work/$lang.ts" "$lang"
  if ! cmp -s "$ts" "$work/$lang.ts"; then
    echo "$ts is out of date with the program's texts: run scripts/update-translations.sh"
    diff "$ts" "$work/$lang.ts" | head -20
    status=1
  fi
  unfinished=$(grep -c 'type="unfinished"' "$work/$lang.ts" || true)
  if [ "$unfinished" != 0 ]; then
    echo "$ts: $unfinished texts without a translation"
    status=1
  fi
done
exit $status
