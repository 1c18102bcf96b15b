#!/usr/bin/env bash
# The hundred-solved screen, visible behind the backdrop since start, comes
# in front of it at the hundredth sum, and "もうおしまい" ends the program.
source "$(dirname "$0")/lib.sh"

# Blue writing of "よくがんばったね" where the screen's Label1 stands; the
# screen's client area is at (207, 5) without a window manager.
hundred_pixels() {
  count_colour "$WORK/shot.png" $((207 + 8)) $((5 + 32)) 265 33 0 0 255 40
}
hundred_shown() {
  shot
  [ "$(hundred_pixels)" -gt 50 ]
}
# The yellow answer on the board has changed from the last one.
answer_changed() {
  shot
  [ "$(convert "$WORK/shot.png" -crop 44x37+$((DRILL_X + 190))+$((DRILL_Y + 19)) +repage -format '%#' info:)" != "$1" ]
}

# Centres of the keypad buttons, by digit.
declare -A KEY_X=([0]=192 [1]=172 [2]=212 [3]=252 [4]=172 [5]=212 [6]=252 [7]=172 [8]=212)
declare -A KEY_Y=([0]=252 [1]=212 [2]=212 [3]=212 [4]=172 [5]=172 [6]=172 [7]=132 [8]=132)

start_program
wait_for 20 "the first problem" problem_shown
[ "$(hundred_pixels)" -lt 5 ] || fail "the hundred-solved screen is in front at start"

# 99 sums solved so far, as far as the board knows.
drill=$(xdotool search --onlyvisible --name '^PORONKA' | head -n 1)
[ -n "$drill" ] || fail "no drill window"
xdotool windowfocus --sync "$drill"
click_drill 112 394
xdotool key ctrl+a
xdotool type --delay 60 99

# Answer 10, 11, ... 18 on the keypad; the right one brings the screen.
for sum in 10 11 12 13 14 15 16 17 18; do
  shot
  before=$(convert "$WORK/shot.png" -crop 44x37+$((DRILL_X + 190))+$((DRILL_Y + 19)) +repage -format '%#' info:)
  for d in 1 $((sum % 10)); do
    click_drill "${KEY_X[$d]}" "${KEY_Y[$d]}"
  done
  wait_for 5 "the judgement of $sum" answer_changed "$before"
  if hundred_shown; then break; fi
done
wait_for 3 "the hundred-solved screen in front of the backdrop" hundred_shown

# "もうおしまい" ends the program at once.
xdotool mousemove $((207 + 160 + 52)) $((5 + 336 + 16)) click 1
expect_exit "もうおしまい"
echo "PASS"
