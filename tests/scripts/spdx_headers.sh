#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# scripts/spdx-headers.sh on a small tree: the header goes on top of C++ and CMake files and
# after a shell script's #! line, only once however often it runs, and --check lists the
# files without one and exits 1.
# Usage: spdx_headers.sh SPDX_HEADERS_SCRIPT
set -u
script=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/src/a" "$dir/scripts" "$dir/fuzz/corpus/x" "$dir/build/src"
printf '#pragma once\n' >"$dir/src/a/A.h"
printf 'int a;\n' >"$dir/src/a/A.cpp"
printf 'project(X)\n' >"$dir/CMakeLists.txt"
printf '#!/bin/sh\necho hi\n' >"$dir/scripts/hi.sh"
chmod 755 "$dir/scripts/hi.sh"
printf 'not a source\n' >"$dir/fuzz/corpus/x/seed.h"
printf 'int b;\n' >"$dir/build/src/B.cpp"

failures=0
expect() { # expect WHAT COMMAND...
  local what=$1
  shift
  if "$@"; then echo "PASS $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
listed=$(bash "$script" --check "$dir" 2>/dev/null)
code=$?
expect "--check exits 1 on a tree without headers" test $code = 1
expect "--check lists the four sources and nothing else" \
  test "$(sort <<<"$listed" | tr '\n' ' ')" = "CMakeLists.txt scripts/hi.sh src/a/A.cpp src/a/A.h "
bash "$script" "$dir"
bash "$script" "$dir"
lic='SPDX-License-Identifier: GPL-3.0-or-later'
own='Copyright (C) 2026 VeskorReader developers'
# FILE|the file's whole text after both runs (\n between lines)
while IFS='|' read -r file text; do
  expect "$file" test "$(cat "$dir/$file")" = "$(printf "$text")"
done <<CASES
src/a/A.h|// $lic\n// $own\n#pragma once
src/a/A.cpp|// $lic\n// $own\nint a;
CMakeLists.txt|# $lic\n# $own\nproject(X)
scripts/hi.sh|#!/bin/sh\n# $lic\n# $own\necho hi
fuzz/corpus/x/seed.h|not a source
build/src/B.cpp|int b;
CASES
expect "a script stays executable" test -x "$dir/scripts/hi.sh"
expect "--check passes once the headers are there" bash "$script" --check "$dir"
[ $failures = 0 ]
