#!/usr/bin/env bash
# A whole session with the keyboard alone, no mouse event at all: a wallpaper
# chosen in the chooser, Tab on to the board, a new problem, the hints, ten
# right answers in a row and the badge put away, a wrong answer and the right
# one after it. Return presses whatever has the focus.
source "$(dirname "$0")/lib.sh"

# The window that has the keys.
focused() { xdotool getwindowfocus; }
keys_on() {  # window
  [ "$(focused)" = "$1" ]
}
pixel_is() {  # x y colour
  shot
  [ "$(pixel "$WORK/shot.png" "$1" "$2")" = "$3" ]
}
problems_done() {
  shot
  convert "$WORK/shot.png" -crop "33x20+$((DRILL_X + 96))+$((DRILL_Y + 360))" +repage \
    -depth 8 rgb:- | md5sum
}
problems_done_changed() { [ "$(problems_done)" != "$1" ]; }
# "ちがうなあ" in white where the feedback stands, and no "あってるよ".
told_wrong() {
  shot
  [ "$(count_colour "$WORK/shot.png" $((DRILL_X + 26)) $((DRILL_Y + 80)) 101 19 255 255 255 40)" -gt 30 ]
}
counters_picture() {
  shot
  convert "$WORK/shot.png" -crop "114x380+$1+$2" +repage -depth 8 rgb:- | md5sum
}
counters_moved() { [ "$(counters_picture "$1" "$2")" != "$3" ]; }

start_program
wait_for 20 "the first problem" problem_shown
drill=$(xdotool search --onlyvisible --name '^PORONKA' | head -n 1)
chooser=$(xdotool search --onlyvisible --name '^Form9' | head -n 1)
[ -n "$drill" ] && [ -n "$chooser" ] || fail "no drill or chooser window"

# The start-up leaves the keys with the chooser, on its first picture. Down
# three times comes to the green squares; Return puts them up.
wait_for 5 "the keys with the chooser" keys_on "$chooser"
xdotool key --delay 80 Down Down Down Return
wait_for 5 "the green squares by Return" pixel_is 1000 900 "#008000"

# Tab goes through the last three pictures and on to the board's "もんだい";
# Return there puts up a new problem (やったかず counts it).
done_before=$(problems_done)
xdotool key --delay 80 Tab Tab Tab Tab
wait_for 5 "the keys on the board after the chooser's last picture" keys_on "$drill"
xdotool key Return
wait_for 5 "a new problem by Return on もんだい" problems_done_changed "$done_before"

# On to "わかんない": the keypad (ten keys), then the first hint.
xdotool key --delay 40 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
answered=0
while [ $answered -lt 10 ]; do
  xdotool key Return
  wait_for 5 "the counters by Return on わかんない" counters_shown
  wait_for 3 "the keys with the counter window" keys_on "$COUNTERS"
  sum=$(sum_from_counters)
  [ "$sum" -ge 10 ] && [ "$sum" -le 18 ] || fail "read a sum of $sum from the counters"
  if [ $answered = 0 ]; then
    # Tab leads back to the board, where the focus still is on わかんない.
    xdotool key Tab
    wait_for 3 "the keys back on the board by Tab" keys_on "$drill"
  fi
  xdotool key --delay 60 1 $((sum % 10))
  wait_for 5 "あってるよ for $sum" praised
  answered=$((answered + 1))
  [ $answered = 10 ] && break
  # The next problem hides the counters and gives the keys back to the board.
  wait_for 5 "the next problem" counters_gone
  wait_for 3 "the keys back on the board" keys_on "$drill"
done

# Ten in a row: the badge comes up with the keys; Return puts it away long
# before its own four seconds.
badge_up() {
  BADGE=$(window_of_size 178 186)
  [ -n "$BADGE" ] && viewable "$BADGE"
}
wait_for 3 "the badge" badge_up
wait_for 3 "the keys with the badge" keys_on "$BADGE"
xdotool key Return
start=$SECONDS
wait_for 2 "the badge put away by Return" badge_gone
[ $((SECONDS - start)) -le 2 ] || fail "the badge stayed its own time"
wait_for 3 "the keys back on the board" keys_on "$drill"

# The next problem: the first hint tells the sum, Tab goes back to the board,
# a wrong answer, then "まだわかんない" (Tab from わかんない) sets the counters
# moving, and the right answer.
wait_for 5 "the next problem" counters_gone
xdotool key Return
wait_for 5 "the counters" counters_shown
sum=$(sum_from_counters)
xdotool key Tab
wait_for 3 "the keys back on the board" keys_on "$drill"
xdotool key --delay 60 1 9
wait_for 5 "ちがうなあ" told_wrong
read -r cx cy _ _ < <(client_area "$COUNTERS")
before=$(counters_picture "$cx" "$((cy + 24))")
xdotool key Tab Return
wait_for 5 "the counters making ten by Return on まだわかんない" counters_moved "$cx" "$((cy + 24))" "$before"
keys_on "$drill" || xdotool key Tab
xdotool key --delay 60 1 $((sum % 10))
wait_for 5 "あってるよ for $sum after the hints" praised
echo "PASS"
