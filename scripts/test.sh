#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build=${TORB_BUILD_DIR:-$root/build}
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
