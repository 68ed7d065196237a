#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# The ctest packaging test: makes the .deb from this build with cpack and lints it.
# Exits 77 (skipped) where lintian or the package tools are missing. The test build does not
# take the distribution's flags, so hardening is left to scripts/build-package.sh.
#
#   packaging/PackageLintTest.sh BUILD_DIR
set -uo pipefail
build=${1:?usage: $0 BUILD_DIR}
for tool in lintian help2man file dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is not installed: skipped (scripts/setup-deps.sh test installs it)"
    exit 77
  fi
done
out=$build/package-lint
rm -rf "$out"
if ! cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out.log" 2>&1; then
  cat "$out.log"
  echo "FAIL cpack -G DEB"
  exit 1
fi
deb=$(ls "$out"/veskor-reader_*.deb)
"$(dirname "$0")/lint-package.sh" "$deb"
status=$?
rm -rf "$out" "$out.log"
exit $status
