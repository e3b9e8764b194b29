#!/usr/bin/env bash
# Installs what is missing, builds, and runs every benchmark program of build/bench/, printing its figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TORB_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
# Plain figures when the output goes to a file or a pipe.
[ -t 1 ] || export BENCHMARK_COLOR=false
found=""
for program in "$build"/bench/*; do
  if [ ! -f "$program" ] || [ ! -x "$program" ]; then continue; fi
  found=yes
  echo "== $(basename "$program")"
  "$program"
done
[ -n "$found" ] || echo "No benchmark programs in $build/bench."
