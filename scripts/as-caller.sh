#!/usr/bin/env bash
# Runs a command as the user who called sudo, when there is one and the
# source tree is theirs: only installing packages needs root, and a build
# made as root would leave them files they cannot change. Otherwise runs it
# as it is. Keeps the display, and finds the user's session for sound.
set -euo pipefail
tree=$(dirname "$0")/..

if [ "$(id -u)" -ne 0 ] || [ -z "${SUDO_UID:-}" ] || [ "${SUDO_UID}" = 0 ] ||
  [ "$(stat -c %u "$tree")" != "$SUDO_UID" ]; then
  exec "$@"
fi

keep=()
[ -z "${DISPLAY:-}" ] || keep+=("DISPLAY=$DISPLAY")
[ -z "${XAUTHORITY:-}" ] || keep+=("XAUTHORITY=$XAUTHORITY")
[ -z "${PORONKA_SHOT:-}" ] || keep+=("PORONKA_SHOT=$PORONKA_SHOT")
# sudo drops the session's runtime folder, where the sound server, the
# session bus and Wayland have their sockets.
runtime="/run/user/$SUDO_UID"
if [ -d "$runtime" ] && [ "$(stat -c %u "$runtime")" = "$SUDO_UID" ]; then
  keep+=("XDG_RUNTIME_DIR=$runtime")
  [ -n "${DISPLAY:-}" ] || [ ! -S "$runtime/wayland-0" ] || keep+=("WAYLAND_DISPLAY=wayland-0")
fi
home=$(getent passwd "$SUDO_UID" | cut -d: -f6)
exec runuser -u "$(id -nu "$SUDO_UID")" -- env HOME="$home" "${keep[@]}" "$@"
