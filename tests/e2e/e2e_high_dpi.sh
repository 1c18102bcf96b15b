#!/usr/bin/env bash
# On scaled desktops (Xft.dpi 192, 144 and 120, and QT_SCALE_FACTOR=2) the
# wallpaper looks as at 1x, scaled by the ratio, over the whole screen, and
# every window stands where its layout puts it, times the ratio; the counter
# window touches the board to the device pixel.
PORONKA_E2E_SCREEN=2560x1600
source "$(dirname "$0")/lib.sh"

# A length of the layout on the screen: times the ratio, rounded.
dev() { awk -v v="$1" -v r="$RATIO" 'BEGIN { printf "%d", v * r + 0.5 }'; }

# Whether the first problem's first addend is on the board, white.
problem_up() {
  import -window "$DRILL" "$WORK/drill.png"
  [ "$(count_colour "$WORK/drill.png" "$(dev 22)" "$(dev 19)" "$(dev 30)" "$(dev 37)" \
    255 255 255 40)" -gt 20 ]
}

# Clicks a point of a window's client area given in layout pixels.
click_in() {  # window x y
  local x y
  read -r x y _ _ < <(client_area "$1")
  xdotool mousemove $((x + $(dev "$2"))) $((y + $(dev "$3"))) click 1
}

# Whether the screen shows the expected wallpaper around the windows.
shows() {  # expected window...
  DIFFERING=$(differing_pixels "$@")
  [ "$DIFFERING" = 0 ]
}

# With no frames, the counter window's client area ends where the board's
# begins, tops level.
touching() {
  local cx cy cw dx dy
  read -r cx cy cw _ < <(client_area "$COUNTERS")
  read -r dx dy _ _ < <(client_area "$DRILL")
  [ $((cx + cw)) -eq "$dx" ] && [ "$cy" -eq "$dy" ]
}

# One desktop: the screen's size, its scale (an Xft.dpi, or "factor" for
# QT_SCALE_FACTOR), the ratio Qt makes of it, the logical screen, and the
# wallpaper to pick (its chooser image's place and its tile on the sheet).
desktop() {  # WxH dpi|factor ratio logicalWxH image-x image-y columns rows left top width height
  local size=$1 scale=$2 logical=$4 ix=$5 iy=$6 columns=$7 rows=$8 start=$SECONDS
  RATIO=$3
  screen_mode "$size"
  if [ "$scale" = factor ]; then
    xft_dpi 96
    export QT_SCALE_FACTOR=$RATIO
  else
    xft_dpi "$scale"
    unset QT_SCALE_FACTOR
  fi
  start_program
  wait_for 10 "the drill screen at $RATIO" xdotool search --onlyvisible --name '^PORONKA'
  DRILL=$(xdotool search --onlyvisible --name '^PORONKA' | head -n 1)
  wait_for 20 "the first problem at $RATIO" problem_up
  CHOOSER=$(xdotool search --onlyvisible --name '^Form9$' | head -n 1)
  BACKDROP=$(xdotool search --onlyvisible --name '^Form10$' | head -n 1)

  # Where the layout puts them, times the ratio; the backdrop covers the screen.
  scaled_window "$DRILL" 208 6 283 422 || fail "the drill screen at $RATIO: $(client_area "$DRILL")"
  scaled_window "$CHOOSER" 499 259 104 191 || fail "the chooser at $RATIO: $(client_area "$CHOOSER")"
  read -r x y w h < <(client_area "$BACKDROP")
  [ "$x" -eq 0 ] && [ "$y" -eq 0 ] && [ "$w" -ge "${size%x*}" ] && [ "$h" -ge "${size#*x}" ] ||
    fail "the backdrop at $RATIO stands at $x $y $w $h on $size"

  # The wallpaper, next to one made here from the 1x tile.
  sheet_tile "$WORK/tile.png" "${@:9}"
  wallpaper_picture "$WORK/expected.ppm" "$WORK/tile.png" "$columns" "$rows" "$logical" "$size"
  click_in "$CHOOSER" $((ix + 12)) $((iy + 12))
  wait_for_quietly 10 shows "$WORK/expected.ppm" "$DRILL" "$CHOOSER" || {
    import -window root "$WORK/shot.png"
    cp "$WORK/expected.ppm" "$WORK/expected-$RATIO.ppm"
    fail "the wallpaper at $RATIO: $DIFFERING pixels differ from expected-$RATIO.ppm"
  }

  # The counter window against the board, to the device pixel.
  click_in "$DRILL" 212 293
  wait_for 5 "the counter window at $RATIO" the_counters
  wait_for 5 "the counter window against the board at $RATIO" touching

  kill "$PID"
  wait "$PID" 2>/dev/null || true
  echo "ratio $RATIO on $size: $((SECONDS - start)) s"
}

# Fish at 200 %: 150 x 107 tiles, 11 x 11 of them.
desktop 2560x1600 192 2 1280x800 64 8 11 11 288 270 150 107
# Apples at 150 % and 125 %: 70 x 70 tiles, at 125 % 87 and 88 pixels wide by turns.
desktop 1920x1080 144 1.5 1280x720 8 40 21 11 214 206 70 70
desktop 1920x1080 120 1.25 1536x864 8 40 21 11 214 206 70 70
# Orange slices at QT_SCALE_FACTOR=2: 90 x 159 tiles, 15 x 11.
desktop 2560x1440 factor 2 1280x720 8 8 15 11 307 0 90 159
echo "PASS"
