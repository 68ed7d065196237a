#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Lints a .deb as a distribution would take it: no lintian error or warning. With
# --hardening, also none of lintian's hardening-* notes (they are only informational
# in lintian, yet mean the distribution's flags did not reach the build).
#
#   packaging/lint-package.sh [--hardening] PACKAGE.deb
set -uo pipefail
hardening=0
if [ "${1:-}" = --hardening ]; then
  hardening=1
  shift
fi
deb=${1:?usage: $0 [--hardening] PACKAGE.deb}
# lintian runs as root here only in containers; its warning about that is noise.
out=$(lintian --display-info --fail-on error,warning "$deb" 2>&1)
status=$?
out=$(grep -v 'running with root privileges' <<<"$out")
echo "$out"
if [ "$hardening" = 1 ] && grep -q 'hardening-' <<<"$out"; then
  echo "FAIL the package's programs lack the distribution's hardening flags"
  exit 1
fi
if [ "$status" != 0 ]; then
  echo "FAIL lintian found errors or warnings in $deb"
  exit 1
fi
echo "PASS lintian: no error or warning in $deb"
