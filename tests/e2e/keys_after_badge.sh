# Shared by the end-to-end tests with and without a window manager, sourced
# after lib.sh with the program running and the drill located: ten right
# answers in a row bring up the ten-in-a-row badge, which takes the keys; when
# it goes by itself, the next digit typed still reaches the board, with the
# pointer resting on the backdrop.
for round in $(seq 10); do
  answer_right
  if [ "$round" -lt 10 ]; then
    wait_for 5 "the next problem after answer $round" counters_gone
    wait_for 5 "the praise to go after answer $round" not_praised
  fi
done
BADGE=$(window_of_size 178 186)
[ -n "$BADGE" ] || fail "no ten-in-a-row badge"
wait_for 3 "the ten-in-a-row badge" viewable "$BADGE"
xdotool mousemove 1100 900
wait_for 8 "the badge to go by itself" badge_gone
wait_for 3 "the praise to go" not_praised
xdotool key 7
wait_for 3 "the digit typed after the badge went to reach the board" answer_written
