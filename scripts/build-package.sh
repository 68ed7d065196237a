#!/usr/bin/env bash
# Builds the Debian package the way a distribution would: a separate build in build-pkg
# with the distribution's compiler and linker flags (dpkg-buildflags: hardening), no tests,
# then cpack -G DEB and, when lintian is installed, lintian on the package (no error or
# warning allowed). Prints the package's path as its last line.
#
#   scripts/build-package.sh [--release N] [--data DIR] [--build-dir DIR]
#
# --release sets the Debian revision (0.99-N: an upgrade of the same version), --data packages
# another copy of data/ (scripts/check-package.sh uses both to prove an upgrade).
set -euo pipefail
cd "$(dirname "$0")/.."
release=1
data=$PWD/data
dir=build-pkg
while [ $# -gt 0 ]; do
  case $1 in
    --release) release=$2; shift 2 ;;
    --data) data=$(cd "$2" && pwd); shift 2 ;;
    --build-dir) dir=$2; shift 2 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done
for tool in dpkg-buildflags help2man file; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup-deps.sh test" >&2; exit 1; }
done

# As debhelper does for CMake: build type None so that only the distribution's flags
# apply, and CPPFLAGS (the fortify define) folded into the compiler flags, which CMake
# does not read; given on every configure, so a build dir never keeps stale flags.
export DEB_BUILD_MAINT_OPTIONS=${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}
eval "$(dpkg-buildflags --export=sh)"
CXXFLAGS="$CXXFLAGS $CPPFLAGS"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="$CXXFLAGS" \
  -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" -DCMAKE_SHARED_LINKER_FLAGS="$LDFLAGS" \
  -DVESKOR_BUILD_TESTS=OFF -DVESKOR_BUILD_BENCH=OFF \
  -DVESKOR_PACKAGE_RELEASE="$release" -DVESKOR_PACKAGE_DATA_DIR="$data" >/dev/null
cmake --build "$dir" -j"$(nproc)"
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls -t "$dir"/veskor-reader_*"-${release}_"*.deb | head -n 1)
if command -v lintian >/dev/null; then
  packaging/lint-package.sh --hardening "$deb" >&2
else
  echo "lintian is not installed: the package was not checked" >&2
fi
echo "$deb"
