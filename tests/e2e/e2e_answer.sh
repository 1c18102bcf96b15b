#!/usr/bin/env bash
# Typing an answer on the keyboard: the chalk writes it in yellow and the
# judge answers on the board in white ("あってるよ" or "ちがうなあ").
source "$(dirname "$0")/lib.sh"

# White writing in the feedback area, where the four feedback labels stand.
feedback_pixels() {
  count_colour "$WORK/shot.png" $((DRILL_X + 8)) $((DRILL_Y + 72)) 162 27 255 255 255 40
}
# Yellow digits of the typed answer, above the waiting chalk (y 48).
answer_pixels() {
  count_colour "$WORK/shot.png" $((DRILL_X + 190)) $((DRILL_Y + 19)) 44 29 255 255 0 60
}
judged() {
  shot
  [ "$(feedback_pixels)" -gt 30 ] && [ "$(answer_pixels)" -gt 20 ]
}

start_program
wait_for 20 "the first problem" problem_shown
[ "$(feedback_pixels)" -lt 5 ] || fail "feedback shown before any answer"
[ "$(answer_pixels)" -lt 5 ] || fail "an answer shown before any key"

# No window manager: give the drill screen the keyboard focus ourselves.
drill=$(xdotool search --onlyvisible --name '^PORONKA' | head -n 1)
[ -n "$drill" ] || fail "no drill window"
xdotool windowfocus --sync "$drill"
# Every sum is 10 to 18, so "10" is judged either way.
xdotool type --delay 60 10
wait_for 5 "the judgement on the board" judged
echo "PASS"
