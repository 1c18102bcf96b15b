#!/usr/bin/env bash
# Where only Wayland can be reached, the program starts anyway: the board and
# the chooser stand in front of the backdrop, and a second launch ends at once.
source "$(dirname "$0")/lib.sh"

mkdir -p "$WORK/wl"
weston --backend=headless-backend.so --use-pixman --socket=poronka-wl \
  --width=1280 --height=1024 --debug >"$WORK/weston.log" 2>&1 &
WM_PID=$!
export WAYLAND_DISPLAY=poronka-wl
wait_for 10 "weston" test -S "$XDG_RUNTIME_DIR/poronka-wl"

# No X display, no platform chosen: the program falls back to Wayland.
( unset DISPLAY QT_QPA_PLATFORM; exec "$PROGRAM" >"$WORK/out.log" 2>&1 ) &
PID=$!

wl_shot() {
  rm -f "$WORK"/wl/wayland-screenshot-*.png
  (cd "$WORK/wl" && timeout 5 weston-screenshooter) >/dev/null 2>&1 || return 1
  cp "$WORK"/wl/wayland-screenshot-*.png "$WORK/shot.png" 2>/dev/null
}
# Pixels of exactly one colour on the whole screen (fast on a full screenshot).
exactly() {  # colour
  convert "$WORK/shot.png" -precision 16 -fill black +opaque "$1" -fill white -opaque "$1" \
    -format "%[fx:round(mean*w*h)]" info:
}
board_in_front() {
  kill -0 "$PID" || fail "the program ended on Wayland: $(tail -n 3 "$WORK/out.log")"
  wl_shot || return 1
  # Most of the board's green and of the chooser's olive show.
  [ "$(exactly '#008000')" -gt 50000 ] && [ "$(exactly '#808000')" -gt 5000 ]
}
wait_for 30 "the board and the chooser in front of the backdrop" board_in_front
[ "$(exactly '#000080')" -gt 500000 ] ||
  fail "no backdrop behind them"

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
echo "PASS"
