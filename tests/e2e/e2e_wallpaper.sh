#!/usr/bin/env bash
# Pictures in the wallpaper chooser tile the backdrop; a new wallpaper leaves
# the old one showing outside its own grid, and the wallpaper stays while the
# drill screen repaints.
source "$(dirname "$0")/lib.sh"

# The chooser's client area stands at (499, 259): no frame without a window
# manager. Clicks the middle of its image at x, y.
click_chooser() {  # x y
  xdotool mousemove $((499 + $1 + 12)) $((259 + $2 + 12)) click 1
}

# Whether the pixel at x, y of a fresh screenshot has the colour.
pixel_is() {  # x y colour
  shot
  [ "$(pixel "$WORK/shot.png" "$1" "$2")" = "$3" ]
}

start_program
wait_for 20 "the first problem" problem_shown
[ "$(pixel "$WORK/shot.png" 1000 900)" = "#000080" ] || fail "the backdrop is not plain navy at start"

# Green squares: 31 x 26 tiles of 40, 1240 x 1040.
click_chooser 8 104
wait_for 5 "the green squares" pixel_is 1000 900 "#008000"
[ "$(pixel "$WORK/shot.png" 1239 1000)" = "#008000" ] || fail "green squares end short of 1240"
[ "$(pixel "$WORK/shot.png" 1240 500)" = "#000080" ] || fail "green squares go past 1240"

# Maroon squares: 1240 x 840, over the green.
click_chooser 64 136
wait_for 5 "the maroon squares" pixel_is 1000 800 "#800000"
[ "$(pixel "$WORK/shot.png" 1000 840)" = "#008000" ] || fail "the green squares below 840 are gone"

# Stars: tiles of 33 on steps of 29 and 30, 1193 x 933; the last column and
# row keep the tiles' white edges.
click_chooser 64 104
wait_for 5 "the stars" pixel_is 1191 931 "#FFFFFF"
[ "$(pixel "$WORK/shot.png" 1191 400)" = "#FFFFFF" ] || fail "no white edge on the last column of stars"
[ "$(pixel "$WORK/shot.png" 1195 931)" = "#008000" ] || fail "green squares right of the stars are gone"
[ "$(pixel "$WORK/shot.png" 1195 500)" = "#800000" ] || fail "maroon squares right of the stars are gone"
before="$WORK/stars.png"
cp "$WORK/shot.png" "$before"
n=$(count_colour "$before" 600 500 300 300 255 255 255 0)
[ "$n" -lt 1000 ] || fail "white shows inside the stars' grid ($n pixels)"

# The drill screen repaints with every chalk stroke; the wallpaper stays.
drill=$(xdotool search --onlyvisible --name '^PORONKA' | head -n 1)
[ -n "$drill" ] || fail "no drill window"
xdotool windowfocus --sync "$drill"
xdotool type --delay 60 1
written() {
  shot
  [ "$(count_colour "$WORK/shot.png" $((DRILL_X + 190)) $((DRILL_Y + 19)) 44 29 255 255 0 60)" -gt 20 ]
}
wait_for 5 "the typed digit on the board" written
convert "$before" -crop 1280x600+0+424 +repage "$WORK/a.png"
convert "$WORK/shot.png" -crop 1280x600+0+424 +repage "$WORK/b.png"
diff=$(compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 || true)
[ "$diff" = "0" ] || fail "the backdrop below the drill changed while typing ($diff pixels)"
echo "PASS"
