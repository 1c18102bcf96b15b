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
# Black writing of "せいかい おめでとう" on the fifty-in-a-row screen at (216, 22).
fifty_shown() {
  shot
  [ "$(count_colour "$WORK/shot.png" $((216 + 10)) $((22 + 48)) 247 33 0 0 0 40)" -gt 50 ]
}

start_program
wait_for 20 "the first problem" problem_shown
[ "$(hundred_pixels)" -lt 5 ] || fail "the hundred-solved screen is in front at start"

drill=$(xdotool search --onlyvisible --name '^PORONKA' | head -n 1)
[ -n "$drill" ] || fail "no drill window"
xdotool windowfocus --sync "$drill"
# "ボタン": the next problem only when asked for, so that none comes while a
# sum is being read.
click_drill 84 316

# The counts take no typing: 99 sums solved at the first try, each read from
# the counters of the first hint (which costs no first try), then the 100th.
# (A hundred-solved screen in front too early hides "あってるよ".)
for round in $(seq 100); do
  # もんだい, then わかんない, in one go.
  xdotool mousemove $((DRILL_X + 76)) $((DRILL_Y + 240)) click 1 \
    mousemove $((DRILL_X + 212)) $((DRILL_Y + 293)) click 1
  wait_for 5 "the counters of problem $round" counters_shown
  sum=$(sum_from_counters)
  [ "$sum" -ge 10 ] && [ "$sum" -le 18 ] || fail "the counters of problem $round add up to $sum"
  xdotool type --delay 30 "$sum"
  [ "$round" -lt 100 ] || break
  if [ "$round" -eq 50 ]; then
    # Fifty in a row: its screen stands over the board until "もっとやる".
    wait_for 5 "the fifty-in-a-row screen" fifty_shown
    xdotool mousemove $((216 + 78 + 44)) $((22 + 309 + 13)) click 1
  fi
  sleep 0.2  # the chalk takes five strokes of 40 ms
  wait_for 5 "あってるよ for $sum (problem $round)" praised
done
wait_for 5 "the hundred-solved screen in front of the backdrop" hundred_shown

# "もうおしまい" ends the program at once.
xdotool mousemove $((207 + 160 + 52)) $((5 + 336 + 16)) click 1
expect_exit "もうおしまい"
echo "PASS"
