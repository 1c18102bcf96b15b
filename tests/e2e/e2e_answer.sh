#!/usr/bin/env bash
# Answers typed on the keyboard: the chalk writes them in yellow and the judge
# answers on the board in white, "ちがうなあ" to a wrong one and "あってるよ"
# to the right one.
source "$(dirname "$0")/lib.sh"

# White writing of the feedback labels. "あってるよ" and "ちがうなあ" stand
# at (26, 80); "まだちがうなあ" starts further left, "それもちがうなあ" higher up.
white() {  # x y w h (client coordinates)
  count_colour "$WORK/shot.png" $((DRILL_X + $1)) $((DRILL_Y + $2)) "$3" "$4" 255 255 255 40
}
# Yellow digits of the typed answer, above the waiting chalk (y 48).
answer_pixels() {
  count_colour "$WORK/shot.png" $((DRILL_X + 190)) $((DRILL_Y + 19)) 44 29 255 255 0 60
}
# The short feedback ("あってるよ" or "ちがうなあ") and nothing else.
short_feedback() {
  [ "$(white 26 80 101 19)" -gt 30 ] && [ "$(white 8 72 18 27)" -lt 3 ] &&
    [ "$(white 8 72 162 7)" -lt 3 ]
}
judged() {
  shot
  short_feedback && [ "$(answer_pixels)" -gt 20 ]
}
# "やったかず" is rewritten by a right answer.
problems_done() {
  convert "$WORK/shot.png" -crop "33x20+$((DRILL_X + 96))+$((DRILL_Y + 360))" +repage \
    -depth 8 rgb:- | md5sum
}

start_program
wait_for 20 "the first problem" problem_shown
[ "$(white 8 72 162 27)" -lt 5 ] || fail "feedback shown before any answer"
[ "$(answer_pixels)" -lt 5 ] || fail "an answer shown before any key"
done_before=$(problems_done)

# No window manager: give the drill screen the keyboard focus ourselves.
drill=$(xdotool search --onlyvisible --name '^PORONKA' | head -n 1)
[ -n "$drill" ] || fail "no drill window"
xdotool windowfocus --sync "$drill"

# Every sum is 10 to 18: 19 is always wrong.
xdotool type --delay 60 19
wait_for 5 "ちがうなあ" judged
[ "$(problems_done)" = "$done_before" ] || fail "a wrong answer changed やったかず"
cp "$WORK/shot.png" "$WORK/wrong.png"

# The hint window has taken the focus now and passes the keys on. Try every
# sum; the right one rewrites やったかず and shows "あってるよ" until the
# next problem comes, 1.2 s later.
right=""
for n in 10 11 12 13 14 15 16 17 18; do
  xdotool type --delay 60 "$n"
  end=$((SECONDS + 2))
  while [ $SECONDS -lt $end ]; do
    shot
    if [ "$(problems_done)" != "$done_before" ]; then
      right=$n
      break 2
    fi
    sleep 0.05
  done
done
[ -n "$right" ] || fail "no sum from 10 to 18 was judged right"
short_feedback || fail "no あってるよ after the right answer $right"
echo "PASS (right answer $right)"
