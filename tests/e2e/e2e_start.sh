#!/usr/bin/env bash
# The program starts on a bare X server, puts up the first problem over the
# navy backdrop, and "おしまい" ends it.
source "$(dirname "$0")/lib.sh"

start_program
wait_for 20 "the first problem" problem_shown

s="$WORK/shot.png"
[ "$(pixel "$s" 1000 900)" = "#000080" ] || fail "backdrop is not navy at (1000, 900)"
[ "$(pixel "$s" 5 1020)" = "#000080" ] || fail "backdrop does not cover the screen's corner"
[ "$(pixel "$s" $((DRILL_X + 60)) $((DRILL_Y + 150)))" = "#008000" ] || fail "no green board"
[ "$(pixel "$s" $((DRILL_X + 2)) $((DRILL_Y + 400)))" = "#008000" ] || fail "no green board"
# Both addends in white, and "＋" and "＝".
for x in 22 115 64 155; do
  n=$(count_colour "$s" $((DRILL_X + x)) $((DRILL_Y + 19)) 26 37 255 255 255 40)
  [ "$n" -gt 20 ] || fail "no white writing at x $x of the problem line ($n pixels)"
done
# The chooser stands in front of the backdrop.
[ "$(pixel "$s" 560 300)" = "#808000" ] || fail "the wallpaper chooser is not in front"

# "おしまい" ends the program at once.
click_drill 76 276
expect_exit "おしまい"
echo "PASS"
