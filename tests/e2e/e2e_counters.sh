#!/usr/bin/env bash
# "わかんない" brings up the counter window beside the board: the first addend
# as blue counters in the left column, the second as red ones in the right,
# both from the bottom up. Keys typed there still reach the drill, and
# "まだわかんない" moves counters across until one column holds ten.
source "$(dirname "$0")/lib.sh"

# The counter window's client area; no frame under a bare X server.
COUNTERS_X=94  # against the board, which starts at 208
COUNTERS_Y=6
ROW_TOPS=(24 56 88 120 152 200 232 264 296 328)  # rows 1 (top) to 10
LEFT=16
RIGHT=64
FACE=676  # every tile has a 26 x 26 face of one colour

# Tiles of one face colour in the window.
tiles() {  # file r g b
  local n
  n=$(count_colour "$1" $COUNTERS_X $COUNTERS_Y 114 422 "$2" "$3" "$4" 4)
  echo $(((n + FACE / 2) / FACE))
}

# One column from the bottom row up: B blue, R red, . empty ("BBBBB.....");
# one read of the screenshot.
column() {  # file x
  local s="" r c format=""
  for ((r = 9; r >= 0; r--)); do
    format+="%[hex:p{$((COUNTERS_X + $2 + 16)),$((COUNTERS_Y + ROW_TOPS[r] + 16))}] "
  done
  for c in $(convert "$1" -format "$format" info:); do
    case $c in
      3F3FFF) s+=B ;;
      FF0700) s+=R ;;
      *) s+=. ;;
    esac
  done
  echo "$s"
}

repeat() {  # char n
  local s="" i
  for ((i = 0; i < $2; i++)); do s+=$1; done
  echo "$s"
}

counters_shown() {
  shot
  [ "$(pixel "$WORK/shot.png" $((COUNTERS_X + 2)) $((COUNTERS_Y + 200)))" = "#008000" ]
}

start_program
wait_for 20 "the first problem" problem_shown
[ "$(tiles "$WORK/shot.png" 63 63 255)" -eq 0 ] || fail "blue counters before any hint"
counters_shown && fail "the counter window shows before any hint"

click_drill 212 293  # わかんない
wait_for 5 "the counter window" counters_shown
s="$WORK/shot.png"
blue=$(tiles "$s" 63 63 255)
red=$(tiles "$s" 255 7 0)
echo "counters: $blue blue, $red red"
[ "$blue" -ge 1 ] && [ "$blue" -le 9 ] || fail "$blue blue counters"
[ "$red" -ge 1 ] && [ "$red" -le 9 ] || fail "$red red counters"
[ $((blue + red)) -ge 10 ] || fail "the counters add up to $((blue + red)), below ten"
left=$(column "$s" $LEFT)
right=$(column "$s" $RIGHT)
[ "$left" = "$(repeat B "$blue")$(repeat . $((10 - blue)))" ] || fail "left column $left"
[ "$right" = "$(repeat R "$red")$(repeat . $((10 - red)))" ] || fail "right column $right"

# The window took the focus; a digit typed now is written on the board.
yellow() {
  shot
  [ "$(count_colour "$WORK/shot.png" $((DRILL_X + 190)) $((DRILL_Y + 19)) 28 28 255 255 0 40)" -gt 10 ]
}
yellow && fail "the answer place is not empty"
xdotool key 1
wait_for 5 "the typed digit on the board" yellow

# Making ten: the smaller addend's counters cross over (red when equal).
if [ "$blue" -ge "$red" ]; then
  want_left="$(repeat B "$blue")$(repeat R $((10 - blue)))"
  want_right="$(repeat R $((red + blue - 10)))$(repeat . $((20 - red - blue)))"
else
  want_left="$(repeat B $((blue + red - 10)))$(repeat . $((20 - blue - red)))"
  want_right="$(repeat R "$red")$(repeat B $((10 - red)))"
fi
made_ten() {
  shot
  [ "$(column "$WORK/shot.png" $LEFT)" = "$want_left" ] &&
    [ "$(column "$WORK/shot.png" $RIGHT)" = "$want_right" ]
}
click_drill 212 332  # まだわかんない
wait_for 10 "a column of ten ($want_left | $want_right)" made_ten
[ "$(tiles "$WORK/shot.png" 63 63 255)" -eq "$blue" ] || fail "blue counters lost or gained"
[ "$(tiles "$WORK/shot.png" 255 7 0)" -eq "$red" ] || fail "red counters lost or gained"
echo "PASS"
