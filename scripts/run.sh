#!/usr/bin/env bash
# Installs what is missing, builds, and starts VeskorReader on the built-in simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
scripts/build.sh
exec build/bin/veskor-cli --port sim connect "$@"
