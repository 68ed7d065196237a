#!/usr/bin/env bash
# Puts the licence header on every source file that lacks one: C++ sources and headers get
#   // SPDX-License-Identifier: GPL-3.0-or-later
#   // Copyright (C) 2026 VeskorReader developers
# at the top; CMake files and shell scripts the same as # comments, after a #! line.
#
#   scripts/spdx-headers.sh [--check] [DIR]
#
# --check changes nothing: it lists the files without a header and exits 1 if there are any.
# DIR is the source tree (default: this one).
set -euo pipefail
check=0
if [ "${1:-}" = --check ]; then
  check=1
  shift
fi
cd "${1:-$(dirname "$0")/..}"

licence="SPDX-License-Identifier: GPL-3.0-or-later"
copyright="Copyright (C) 2026 VeskorReader developers"

# Prints "FILE<TAB>COMMENT" for every file that should carry the header.
sources() {
  local dirs=()
  for d in src cli sim tests bench fuzz tools; do [ -d "$d" ] && dirs+=("$d"); done
  if [ ${#dirs[@]} -gt 0 ]; then
    find "${dirs[@]}" -path fuzz/corpus -prune -o -type f \
      \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' \) -printf '%p\t//\n'
  fi
  find . \( -name 'build*' -o -name .git -o -path ./fuzz/corpus \) -prune -o -type f \
    \( -name CMakeLists.txt -o -name '*.cmake' -o -name '*.sh' \) -printf '%P\t#\n'
  [ -f .ci/run ] && printf '.ci/run\t#\n'
  return 0
}

missing=0
while IFS=$'\t' read -r file comment; do
  # The header belongs within the first lines; a match further down is some other text.
  head -n 5 "$file" | grep -qF "$licence" && continue
  if [ $check = 1 ]; then
    echo "$file"
    missing=$((missing + 1))
    continue
  fi
  header="$comment $licence"$'\n'"$comment $copyright"
  tmp=$(mktemp "$file.XXXXXX")
  if [ "$(head -c 2 "$file")" = '#!' ]; then
    { head -n 1 "$file"; echo "$header"; tail -n +2 "$file"; } >"$tmp"
  else
    { echo "$header"; cat "$file"; } >"$tmp"
  fi
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
done < <(sources | sort)

if [ $check = 1 ] && [ $missing -gt 0 ]; then
  echo "$missing file(s) without the licence header: scripts/spdx-headers.sh adds it" >&2
  exit 1
fi
