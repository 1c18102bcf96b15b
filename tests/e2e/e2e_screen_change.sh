#!/usr/bin/env bash
# While the program runs, the screen changes its size (xrandr) and its scale
# (the desktop's Xft/DPI setting), a second monitor comes and becomes the
# primary one, then goes: each time the backdrop covers the screen again with
# the wallpaper drawn anew, and the windows stand on that screen.
PORONKA_E2E_SCREEN=2560x1600
source "$(dirname "$0")/lib.sh"

# Whether the backdrop covers exactly this area of the screen, or more.
covers() {  # x y w h
  local x y w h
  read -r x y w h < <(client_area "$BACKDROP")
  [ "$x" -eq "$1" ] && [ "$y" -eq "$2" ] && [ "$w" -ge "$3" ] && [ "$h" -ge "$4" ]
}

# Whether the screen shows the expected wallpaper outside the masked areas.
shows() {  # expected mask...
  DIFFERING=$(differing_pixels "$@")
  [ "$DIFFERING" = 0 ]
}

# Every window of the program that shows lies on the screen: its top-left
# corner on it, and all of it where it fits.
on_screen() {  # width height
  local w x y cw ch
  for w in $(xdotool search --onlyvisible --pid "$PID" --name '' 2>/dev/null); do
    read -r x y cw ch < <(client_area "$w")
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] || return 1
    { [ $((x + cw)) -le "$1" ] || [ "$x" -eq 0 ]; } && { [ $((y + ch)) -le "$2" ] || [ "$y" -eq 0 ]; } ||
      return 1
  done
}

# Whether the board is painted whole: its green covers more than half of its
# window (a window left at its old buffer shows the old screen beyond it).
board_painted() {
  local w h
  read -r _ _ w h < <(client_area "$DRILL")
  import -window "$DRILL" "$WORK/drill.png"
  [ "$(count_colour "$WORK/drill.png" 0 0 "$w" "$h" 0 128 0 0)" -gt $((w * h / 2)) ]
}

# One change: the backdrop covers `area`, the windows stand where they
# should, the apples are tiled from the backdrop's corner at RATIO.
after() {  # what "x y w h" logicalWxH screenWxH mask...
  local what=$1 area=$2 logical=$3 screen=$4 start=$SECONDS x y w h
  shift 4
  wait_for 10 "the backdrop to cover $area after $what" covers $area
  read -r x y w h <<<"$area"
  wallpaper_picture "$WORK/expected.ppm" "$WORK/tile.png" 21 11 "$logical" "${w}x$h"
  convert -size "$screen" xc:black "$WORK/expected.ppm" -geometry "+$x+$y" -composite \
    "$WORK/expected.ppm"
  wait_for_quietly 10 shows "$WORK/expected.ppm" "$DRILL" "$CHOOSER" "$@" || {
    import -window root "$WORK/shot.png"
    fail "the wallpaper after $what: $DIFFERING pixels differ from expected.ppm"
  }
  echo "$what: $((SECONDS - start)) s"
}

screen_mode 1280x1024
scale 96
start_program
wait_for 10 "the drill screen" xdotool search --onlyvisible --name '^PORONKA'
locate_drill
wait_for 20 "the first problem" problem_shown
CHOOSER=$(xdotool search --onlyvisible --name '^Form9$' | head -n 1)
BACKDROP=$(xdotool search --onlyvisible --name '^Form10$' | head -n 1)
sheet_tile "$WORK/tile.png" 214 206 70 70
xdotool mousemove $((499 + 8 + 12)) $((259 + 40 + 12)) click 1  # the apples

# A larger mode: the apples reach the new edges, 37 x 23 of them.
screen_mode 2560x1600
after "a larger screen" "0 0 2560 1600" 2560x1600 2560x1600
scaled_window "$DRILL" 208 6 283 422 || fail "the drill screen moved: $(client_area "$DRILL")"

# 200 %: the same screen is 1280 x 800 logical pixels; the windows double.
scale 192
wait_for 10 "the drill screen at 200 %" scaled_window "$DRILL" 208 6 283 422
after "200 %" "0 0 2560 1600" 1280x800 2560x1600
wait_for 5 "the board painted whole at 200 %" board_painted
scaled_window "$CHOOSER" 499 259 104 191 || fail "the chooser at 200 %: $(client_area "$CHOOSER")"

# A small mode at 200 %, 512 x 384 logical pixels: no window is left off it.
screen_mode 1024x768
after "a small screen at 200 %" "0 0 1024 768" 512x384 1024x768
wait_for 5 "every window on the 1024 x 768 screen" on_screen 1024 768

# Back to 100 % on two monitors, the right one primary: everything stands on
# it, the left one shows only what the X server has there.
scale 96
screen_mode 2560x1024
xrandr --setmonitor left 1280/339x1024/271+0+0 "$(xrandr | awk '/ connected/ {print $1; exit}')"
xrandr --setmonitor '*right' 1280/339x1024/271+1280+0 none
after "a second monitor, primary" "1280 0 1280 1024" 1280x1024 2560x1024 "0 0 1280 1024"
scaled_window "$DRILL" $((1280 + 208)) 6 283 422 ||
  fail "the drill screen is not on the primary monitor: $(client_area "$DRILL")"

# The primary monitor goes: back on the one that is left.
xrandr --delmonitor right
after "the primary monitor gone" "0 0 1280 1024" 1280x1024 2560x1024 "1280 0 1280 1024"
scaled_window "$DRILL" 208 6 283 422 || fail "the drill screen did not come back: $(client_area "$DRILL")"
echo "PASS"
