#!/usr/bin/env bash
# Installs the Debian packages that are missing for what is asked:
#
#   scripts/install-deps.sh build      build the program (and its tests)
#   scripts/install-deps.sh run        run it; with no display, also the
#                                      virtual display and the screenshot tools
#   scripts/install-deps.sh test       run every test but those of desktops
#   scripts/install-deps.sh desktops   GNOME's and KDE's window managers, for
#                                      the runs under them (hundreds of
#                                      packages; PORONKA_WITHOUT_DESKTOPS=1
#                                      leaves them out)
#   scripts/install-deps.sh package    build the Debian package
#   scripts/install-deps.sh format     lay out the C++ files (make format)
#   scripts/install-deps.sh assets     make the pictures and fonts of assets/
#
# Several may be named at once. Quick and silent when everything is already
# there; otherwise apt shows what it does. Works on Debian 12 and 13.
set -euo pipefail

build=(build-essential cmake pkgconf qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev
  libcanberra-dev)
# The platform plugins (X and Wayland), the writing's font, the bell: its
# sound-server back end and the sound theme.
run=(qt6-qpa-plugins qt6-wayland fonts-ipafont-gothic libcanberra-pulse
  sound-theme-freedesktop)
headless=(xvfb xauth imagemagick)
package=(file dpkg-dev)
test=(
  "${headless[@]}" xdotool x11-utils
  # Checks of the package and of what the desktop and software centre read.
  "${package[@]}" desktop-file-utils appstream man-db
  # A private sound server for the bell's test.
  pulseaudio pulseaudio-utils
  # Window managers and compositors for the end-to-end runs; the kiosk
  # compositor with its Xwayland, screenshots and keys.
  openbox xfwm4 xfconf dbus wmctrl weston cage xwayland grim wtype
  # Scaled and changing screens: xrandr, and a settings daemon that tells
  # running programs the desktop's scale.
  x11-xserver-utils xsettingsd
  # The accessibility bus and a client of it, as a screen reader sees the program.
  at-spi2-core python3-pyatspi
)
# GNOME's and KDE's window managers on X11, and KDE's usual frame (without it
# KWin draws none).
desktops=(mutter kwin-x11 kwin-style-breeze)
# The one clang-format the C++ files are laid out by: Debian 12's.
format=(clang-format)
# What draws the pictures and cuts the fonts of assets/.
assets=(build-essential cmake qt6-base-dev fonts-noto-color-emoji fonts-klee fonts-dejavu-core
  fonts-ipafont-gothic python3 python3-fonttools)

wanted=()
for set in "$@"; do
  case $set in
    build) wanted+=("${build[@]}") ;;
    run)
      wanted+=("${run[@]}")
      if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then wanted+=("${headless[@]}"); fi
      ;;
    test) wanted+=("${run[@]}" "${test[@]}") ;;
    desktops) [ "${PORONKA_WITHOUT_DESKTOPS:-}" = 1 ] || wanted+=("${desktops[@]}") ;;
    package) wanted+=("${package[@]}") ;;
    format) wanted+=("${format[@]}") ;;
    assets) wanted+=("${assets[@]}") ;;
    *) echo "unknown set of packages: $set (build, run, test, desktops, package, format, assets)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    case " ${missing[*]} " in *" $p "*) ;; *) missing+=("$p") ;; esac
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
