#!/usr/bin/env bash
# Where only Wayland can be reached, the program starts anyway, on one
# surface under headless weston: the backdrop over the whole screen, the board
# and the chooser at their places in front of it; a second launch ends at once.
source "$(dirname "$0")/lib.sh"

mkdir -p "$WORK/wl"
weston_config "$WORK/weston.ini"
weston --backend=headless-backend.so --use-pixman --config="$WORK/weston.ini" --socket=poronka-wl \
  --width=1280 --height=1024 --debug >"$WORK/weston.log" 2>&1 &
WM_PID=$!
export WAYLAND_DISPLAY=poronka-wl
wait_for 10 "weston" test -S "$XDG_RUNTIME_DIR/poronka-wl"

# No X display, no platform chosen: the program falls back to Wayland.
( unset DISPLAY QT_QPA_PLATFORM; exec "$PROGRAM" >"$WORK/out.log" 2>&1 ) &
PID=$!

shot() {
  kill -0 "$PID" || fail "the program ended on Wayland: $(tail -n 3 "$WORK/out.log")"
  rm -f "$WORK"/wl/wayland-screenshot-*.png
  (cd "$WORK/wl" && timeout 5 weston-screenshooter) >/dev/null 2>&1 || return 1
  cp "$WORK"/wl/wayland-screenshot-*.png "$WORK/shot.png" 2>/dev/null
}
NO_KEYS="weston's headless back end has no keyboard (e2e_weston types and clicks)"
source "$(dirname "$0")/surface_checks.sh"

( unset DISPLAY QT_QPA_PLATFORM; timeout 10 "$PROGRAM" >"$WORK/second.log" 2>&1 ) ||
  fail "the second launch ended with $?"
# The compositor's socket by its full path, or through a link to it, is the
# same desktop.
ln -s "$XDG_RUNTIME_DIR/poronka-wl" "$WORK/wl-link"
for socket in "$XDG_RUNTIME_DIR/poronka-wl" "$WORK/wl-link"; do
  ( unset DISPLAY QT_QPA_PLATFORM; export WAYLAND_DISPLAY=$socket
    timeout 5 "$PROGRAM" >"$WORK/second.log" 2>&1 ) ||
    fail "a launch on $socket ended with $?: $(cat "$WORK/second.log")"
done
kill -0 "$PID" || fail "the first program ended"
# With no X display named, no X connection is tried first, nor warned about.
! grep -q 'qt\.qpa\.xcb\|platform plugin "xcb"' "$WORK/out.log" ||
  fail "an X connection was tried: $(head -n 2 "$WORK/out.log")"
echo "PASS"
