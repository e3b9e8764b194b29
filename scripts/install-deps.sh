#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the sample run need; does nothing when all are there.
# qt6-translations-l10n gives the toolkit's own French texts (dialog buttons). The tests run the
# launcher under twm (whose title font is in xfonts-75dpi) and openbox as well as under no window manager.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  libsqlite3-dev sqlite3 libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-translations-l10n
  xvfb xauth x11-utils xdotool imagemagick fonts-liberation
  twm xfonts-75dpi openbox
  xdg-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
