#!/usr/bin/env bash
# Installs, from Debian's packages, what the machine does not have yet of:
#   scripts/deps.sh          what building and running the program need
#   scripts/deps.sh --tests  that, and the tools the tests use as well
set -euo pipefail

# Building: the compiler, CMake and Ninja, Qt 6 with its SVG module. Running:
# Qt's own texts in French and the metric twins of the fonts the screens name.
packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-svg-dev
  qt6-translations-l10n fonts-liberation2
)
case "${1:-}" in
  "") ;;
  --tests)
    # GoogleTest, and Qt's platform headers, through which the widget tests
    # turn accessibility on offscreen; Xvfb, xdotool, ImageMagick and the X
    # utilities for the end-to-end tests; the AT-SPI bus and registry, a
    # Python client of it and a bus of its own for the screen-reader check;
    # the freedesktop validators for the installation; clang-format for the
    # layout of the sources.
    packages+=(
      libgtest-dev qt6-base-private-dev clang-format
      xvfb xdotool imagemagick x11-utils
      at-spi2-core python3-pyatspi dbus-daemon
      desktop-file-utils appstream
    ) ;;
  *) echo "usage: $0 [--tests]" >&2; exit 2 ;;
esac

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
