# The program on one surface, as under a compositor that places no windows,
# sourced after lib.sh (and compositor.sh) with the program started. What the
# child sees and uses is what a bare X server shows: the backdrop over the
# whole screen, the board and the chooser at their places, the counter window
# against the board, the badge at its place, keys typed on any of them.
# `shot`, `click_at` and `type_keys` say how this run looks and acts;
# HAVE_KEYS and HAVE_CLICKS say whether keys and clicks can reach the
# compositor (and NO_KEYS or NO_CLICKS why not).
SCREEN_W=${SCREEN_W:-1280}
SCREEN_H=${SCREEN_H:-1024}

# The colours at points of the last screenshot (RRGGBB), in one read.
colours() {  # x,y...
  local format="" p
  for p in "$@"; do format+="%[hex:p{$p}] "; done
  convert "$WORK/shot.png" -depth 8 -format "$format" info:
}
# Whether colours (RRGGBB) are the same but for rounding: a compositor may
# round one by a step.
same_colour() {  # a b
  local i a b
  for i in 0 2 4; do
    a=$((16#${1:i:2}))
    b=$((16#${2:i:2}))
    [ $((a > b ? a - b : b - a)) -le 2 ] || return 1
  done
}
# Whether every point named has its colour: x,y=RRGGBB...
colours_are() {
  local points=() want=() got p i=0
  for p in "$@"; do
    points+=("${p%=*}")
    want+=("${p#*=}")
  done
  for got in $(colours "${points[@]}"); do
    same_colour "$got" "${want[i]}" || { echo "${points[i]} is $got, not ${want[i]}"; return 1; }
    i=$((i + 1))
  done
}

# No windows to ask: the screens are found where they stand. The counter
# window shows when its columns hold counters of both colours; the sum they
# make is kept from the same screenshot.
counters_origin() { echo 94 6 114 422; }
sum_from_counters() {
  local top points=() colour n=0 a=0 b=0
  shot
  for top in 24 56 88 120 152 200 232 264 296 328; do
    points+=("$((94 + 32)),$((6 + top + 16))" "$((94 + 80)),$((6 + top + 16))")
  done
  for colour in $(colours "${points[@]}"); do
    if [ $((n % 2)) -eq 0 ]; then
      same_colour "$colour" 3F3FFF && a=$((a + 1))
    else
      same_colour "$colour" FF0700 && b=$((b + 1))
    fi
    n=$((n + 1))
  done
  echo $((a + b))
}
counters_shown() {
  COUNTED=$(sum_from_counters)
  [ "$COUNTED" -ge 2 ]
}
counters_gone() { ! counters_shown; }
# "わかんない" puts the counters beside the board, which tell the sum.
answer_right_here() {
  click_drill 212 293
  wait_for 5 "the counter window beside the board" counters_shown
  [ "$COUNTED" -ge 10 ] && [ "$COUNTED" -le 18 ] || fail "read a sum of $COUNTED from the counters"
  type_keys 1 $((COUNTED % 10))
  wait_for 5 "あってるよ for $COUNTED" praised
}
# The badge's pink where it stands (35, 242).
badge_shown() {
  shot
  [ "$(count_colour "$WORK/shot.png" 35 242 178 186 255 128 255 10)" -gt 10000 ]
}
badge_gone() { ! badge_shown; }
# The words of the feedback line, as pixels.
feedback() {
  convert "$WORK/shot.png" -crop "101x19+$((DRILL_X + 26))+$((DRILL_Y + 80))" +repage -depth 8 rgb:- | md5sum
}
colour_at() {  # x,y=RRGGBB...
  shot
  colours_are "$@" >/dev/null
}

wait_for 20 "the first problem" problem_shown
# The backdrop out to the screen's corners, the board and the chooser at
# their places in front of it (left of the board, the backdrop), and all ten
# of the chooser's pictures whole: the maroon square ends its bottom row.
navy=000080 green=008000 olive=808000
colours_are "$((SCREEN_W - 1)),$((SCREEN_H - 1))=$navy" "0,$((SCREEN_H - 1))=$navy" \
  "$((SCREEN_W - 1)),0=$navy" "700,200=$navy" "207,300=$navy" \
  "$((DRILL_X + 2)),$((DRILL_Y + 150))=$green" "$((DRILL_X + 280)),$((DRILL_Y + 400))=$green" \
  "501,262=$olive" "601,447=$olive" "563,395=800000" "587,419=800000" \
  >"$WORK/places" || fail "not as on a bare X server: $(cat "$WORK/places")"

if [ -z "${HAVE_KEYS:-}" ]; then
  echo "NOTE: $NO_KEYS: only what shows by itself was checked"
  return 0
fi
if [ -z "${HAVE_CLICKS:-}" ]; then
  # Keys only: a wrong answer puts the counters beside the board, which tell
  # the sum; the right one brings "あってるよ".
  type_keys 1 9
  wait_for 5 "the counter window beside the board after a wrong answer" counters_shown
  praised || fail "no ちがうなあ after a wrong answer"
  wrong=$(feedback)
  [ "$COUNTED" -ge 10 ] && [ "$COUNTED" -le 18 ] || fail "read a sum of $COUNTED from the counters"
  type_keys 1 $((COUNTED % 10))
  # "あってるよ" where "ちがうなあ" stood.
  now_praised() { praised && [ "$(feedback)" != "$wrong" ]; }
  wait_for 5 "あってるよ for $COUNTED" now_praised
  echo "NOTE: $NO_CLICKS: the wallpaper, the badge and おしまい were not tried"
  return 0
fi

# A right answer, read from the counters "わかんない" puts beside the board.
answer_right_here
# The wallpaper chooser tiles the backdrop out to the corners.
click_at $((499 + 8 + 12)) $((259 + 104 + 12))
wait_for 5 "the green squares out to the corners" colour_at \
  "$((SCREEN_W - 1)),$((SCREEN_H - 1))=$green" "0,$((SCREEN_H - 1))=$green" "$((SCREEN_W - 1)),0=$green"
# The next problem comes by itself and hides the counter window.
wait_for 5 "the next problem" counters_gone
# Nine more right answers in a row bring the badge, which takes the keys; in
# the button mode ("ボタン") "もんだい" brings each next problem at once.
click_drill 86 314
for round in $(seq 2 10); do
  [ "$round" -lt 10 ] || click_drill 30 314  # the last one's next comes by itself
  click_drill 76 240
  wait_for 5 "the next problem after answer $((round - 1))" counters_gone
  answer_right_here
done
wait_for 3 "the ten-in-a-row badge" badge_shown
# When it goes by itself, the next digit still reaches the board.
wait_for 8 "the badge to go by itself" badge_gone
wait_for 3 "the praise to go" not_praised
type_keys 7
wait_for 3 "the digit typed after the badge went to reach the board" answer_written
# "おしまい" ends the program, and the session with it (whose end may cut
# the click's own connection short).
click_drill 76 276 || true
expect_exit "おしまい"
