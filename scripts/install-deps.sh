#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Quick and silent when everything is already there; otherwise apt shows
# what it does.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-svg-dev libgl-dev
  fonts-ipafont-gothic
  libxcb1-dev
  xvfb xauth xdotool imagemagick x11-utils
  # The bell: libcanberra, its sound-server back end, the sound theme.
  libcanberra-dev libcanberra-pulse sound-theme-freedesktop
  # Checks of the package and its desktop files, and a sound server for tests.
  file dpkg-dev desktop-file-utils appstream man-db pulseaudio pulseaudio-utils
  # Window managers for the end-to-end runs.
  openbox xfwm4 xfconf dbus wmctrl
  qt6-wayland weston
)

# Sets asked for by name, instead of the list above.
# format: the one clang-format the C++ files are laid out by (make format).
format=(clang-format)
# assets: what draws the pictures and cuts the fonts in assets/ (make assets).
assets=(build-essential cmake qt6-base-dev fonts-noto-color-emoji fonts-klee fonts-dejavu-core
  fonts-ipafont-gothic python3 python3-fonttools)
if [ $# -gt 0 ]; then
  packages=()
  for set in "$@"; do
    case $set in
      format) packages+=("${format[@]}") ;;
      assets) packages+=("${assets[@]}") ;;
      *) echo "unknown set of packages: $set (format, assets)" >&2; exit 2 ;;
    esac
  done
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then sudo="sudo"; else
    echo "These packages are missing and I am not root: ${missing[*]}" >&2
    exit 1
  fi
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
