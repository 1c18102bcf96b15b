#!/usr/bin/env bash
# Pictures in the wallpaper chooser tile the whole backdrop, out to the
# screen's edges, and the wallpaper stays while the drill screen repaints.
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

# Green squares: tiles of 40 from the top-left corner out to the screen's edges.
click_chooser 8 104
wait_for 5 "the green squares" pixel_is 1000 900 "#008000"
for at in "1279 1023" "1279 0" "0 1023"; do
  [ "$(pixel "$WORK/shot.png" $at)" = "#008000" ] || fail "the green squares do not reach $at"
done

# Maroon squares over the green: none of the green stays, right or below.
click_chooser 64 136
wait_for 5 "the maroon squares" pixel_is 1279 1023 "#800000"
[ "$(count_colour "$WORK/shot.png" 1200 0 80 1024 0 128 0 10)" = 0 ] || fail "green right of the maroon"
[ "$(count_colour "$WORK/shot.png" 0 800 1280 224 0 128 0 10)" = 0 ] || fail "green below the maroon"

# Stars: tiles of 33 on steps of 29 and 30, out to the edges; the last
# column keeps the tiles' white edge, the maroon is gone.
click_chooser 64 104
wait_for 5 "the stars" pixel_is 1278 400 "#FFFFFF"
[ "$(count_colour "$WORK/shot.png" 1200 0 80 1024 128 0 0 10)" = 0 ] || fail "maroon right of the stars"
[ "$(count_colour "$WORK/shot.png" 0 800 1280 224 128 0 0 10)" = 0 ] || fail "maroon below the stars"
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
