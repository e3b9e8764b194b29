#!/usr/bin/env bash
# Installs what is missing, builds, lays out the sample installation and starts the launcher with its
# data folder as current directory. Without a display it runs under an Xvfb of its own, saves a
# screenshot of the launcher's first window, then stops both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TORB_BUILD_DIR:-$root/build}
sample=${TORB_SAMPLE_DIR:-$root/out/sample}
out=$root/out

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
# A fresh layout every run: cheap (links and small databases), and nothing of an earlier run lingers.
"$build/tools-bin/make-sample-installation" --replace "$sample" "$build/bin" >/dev/null
launcher=$sample/programmes/torbprod
cd "$sample/SOC1"

if [ -n "${DISPLAY:-}" ]; then
  exec "$launcher"
fi

echo "No display (DISPLAY is empty): running torbprod under Xvfb."
mkdir -p "$out"
display_file=$(mktemp)
app=""
stop() {
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -f "$display_file"
}
# -displayfd: the server picks a free display number and writes it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>"$out/xvfb.log" &
xvfb=$!
trap stop EXIT
for _ in $(seq 150); do
  [ -s "$display_file" ] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start, see $out/xvfb.log:" >&2; tail -n 20 "$out/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb gave no display number, see $out/xvfb.log" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$display_file")"
export DISPLAY QT_QPA_PLATFORM=xcb
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$out/runtime
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
fi

"$launcher" >"$out/torbprod.log" 2>&1 &
app=$!
shown=""
for _ in $(seq 300); do
  if xdotool search --onlyvisible --pid "$app" >/dev/null 2>&1; then shown=yes; break; fi
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$shown" ]; then
  echo "torbprod showed no window, see $out/torbprod.log:" >&2
  tail -n 20 "$out/torbprod.log" >&2
  exit 1
fi
sleep 1 # the first paint
import -window root "$out/screenshot.png"
echo "Screenshot: $out/screenshot.png"
