#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-svg-dev libgl-dev
  fonts-ipafont-gothic
  libxcb1-dev
  xvfb xauth xdotool imagemagick x11-utils
  openbox xfwm4 xfconf dbus wmctrl
  qt6-wayland weston
)

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
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
