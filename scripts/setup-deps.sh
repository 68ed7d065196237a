#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Installs (with apt-get) exactly the Debian packages that are missing for what is asked:
#
#   scripts/setup-deps.sh run    building and running the program
#   scripts/setup-deps.sh test   that, and what the tests, the checks and the package build use
#                                (the default: what CI runs)
#
# Safe to run again: it does nothing when all are there. As root it runs apt-get itself; an
# ordinary user's apt-get goes through sudo. Without root or a working sudo it names the
# missing packages and the command to run as root, and exits 1.
set -euo pipefail

run_packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libsimpleini-dev zlib1g-dev
  fonts-dejavu-core
  # scripts/run.sh shows the window under xvfb-run on a machine without a display.
  xvfb xauth
)
test_packages=(
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  poppler-utils
  avrdude
  clang-format
  # The manual pages, the package build (cpack needs file) and its check.
  help2man file dpkg-dev lintian appstream desktop-file-utils
)

mode=${1:-test}
case $mode in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

install=(apt-get install -y -qq --no-install-recommends "${missing[@]}")
refuse() {
  echo "Missing packages: ${missing[*]}" >&2
  echo "$1; install them as root with:" >&2
  echo "  apt-get update && DEBIAN_FRONTEND=noninteractive ${install[*]}" >&2
  exit 1
}

echo "Installing: ${missing[*]}"
# DEBIAN_FRONTEND passes through sudo only as an argument of env: sudo resets the environment.
if [ "$(id -u)" = 0 ]; then
  as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null; then
  as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
else
  refuse "Not root, and sudo is not installed"
fi
"${as_root[@]}" apt-get update -qq || refuse "apt-get update failed"
"${as_root[@]}" "${install[@]}" || refuse "apt-get install failed"
