#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Fails when a C++ file of the repository is not as clang-format (with .clang-format)
# would write it, and names each such file.
set -uo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format.sh needs clang-format" >&2; exit 2; }
status=0
while IFS= read -r file; do
    if ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then
        echo "not clang-format clean: $file"
        status=1
    fi
done < <(git ls-files '*.cpp' '*.h')
exit $status
