#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and the
# tests need and the machine does not have yet.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libgtest-dev
  fonts-liberation2
  xvfb xdotool imagemagick x11-utils
  desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
