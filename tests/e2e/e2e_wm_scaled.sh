#!/usr/bin/env bash
# Under openbox and xfwm4 at 125, 150 and 200 %, the counter window's frame
# touches the board's frame, tops level, to the device pixel; the desktop's
# scale is set at the start and then changed while the program runs.
PORONKA_E2E_SCREEN=1920x1080
source "$(dirname "$0")/lib.sh"

# A window's frame: left, top and right edge (exclusive), in the X server's pixels.
frame_to_outer() {  # window
  local x y w h l r t b
  read -r x y w h < <(client_area "$1")
  read -r l r t b < <(frame_of "$1")
  echo $((x - l)) $((y - t)) $((x + w + r))
}

# Whether the board's frame stands where the layout puts it and its client
# area is as large as the layout says, times the ratio.
board_scaled() {
  local fx fy w h
  read -r fx fy _ < <(frame_to_outer "$DRILL")
  read -r _ _ w h < <(client_area "$DRILL")
  is_scaled "$fx" 208 && is_scaled "$fy" 6 && is_scaled "$w" 283 && is_scaled "$h" 422
}

# Asks for the hint, as "わかんない" on the board does, and waits for the
# counter window against the board.
counters_at() {  # percent
  local x y
  read -r x y _ _ < <(client_area "$DRILL")
  xdotool mousemove $((x + $(awk -v r="$RATIO" 'BEGIN { printf "%d", 212 * r }'))) \
    $((y + $(awk -v r="$RATIO" 'BEGIN { printf "%d", 293 * r }'))) click 1
  wait_for 5 "the counter window at $1 %" the_counters
  # Under load the window manager may take seconds to move it after a change
  # of scale; where it ends up must still be exact.
  wait_for 10 "the counter window against the board at $1 % under $WM (it stood at $(frame_to_outer "$COUNTERS") against $(frame_to_outer "$DRILL") when asked)" counters_touch_board
}

for WM in openbox xfwm4; do
  start=$SECONDS
  scale 144
  start_wm "$WM"
  start_program
  wait_for 10 "the drill screen" xdotool search --onlyvisible --name '^PORONKA'
  locate_drill
  wait_for 10 "the board at 150 % under $WM" board_scaled
  counters_at 150
  for dpi in 120 192; do
    scale "$dpi"
    wait_for 10 "the board at $dpi dpi under $WM" board_scaled
    counters_at $((dpi * 100 / 96))
  done
  end_session
  XSETTINGS_PID=""
  echo "$WM: $((SECONDS - start)) s"
done
echo "PASS"
