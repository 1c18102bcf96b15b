#!/usr/bin/env bash
# Where only Wayland can be reached, under weston: Wayland places no windows,
# so the program draws its screens on one surface, and the child sees and
# uses what a bare X server shows. Weston runs on its X11 back end inside the
# test's virtual display, whose keys and clicks (xdotool) reach weston's seat
# (its headless back end has none); the program is given no X display.
source "$(dirname "$0")/lib.sh"

weston_config "$WORK/weston.ini"
weston --backend=x11-backend.so --use-pixman --config="$WORK/weston.ini" --socket=poronka-wl \
  --width=1280 --height=1024 >"$WORK/weston.log" 2>&1 &
WM_PID=$!
export WAYLAND_DISPLAY=poronka-wl
wait_for 10 "weston" test -S "$XDG_RUNTIME_DIR/poronka-wl"
( unset DISPLAY QT_QPA_PLATFORM; exec "$PROGRAM" >"$WORK/out.log" 2>&1 ) &
PID=$!

# Uncompressed: faster to write and to read (the name's .png is only a name).
shot() {
  import -window root -depth 8 "ppm:$WORK/${1:-shot}.png"
}
HAVE_KEYS=1
HAVE_CLICKS=1
source "$(dirname "$0")/surface_checks.sh"
echo "PASS"
