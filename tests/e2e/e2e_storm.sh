#!/usr/bin/env bash
# A minute of a child banging on the real program: random clicks all over the
# screen and random keys, about 20 a second. The program is still there
# afterwards and a right answer still gets "あってるよ". Its memory and CPU
# before and after go to the log.
#   e2e_storm.sh PROGRAM [SECONDS [SEED]]    60 s by default
source "$(dirname "$0")/lib.sh"

SECONDS_OF_STORM=${2:-60}
SEED=${3:-$(date +%s)}
RANDOM=$SEED
echo "storm: $SECONDS_OF_STORM s, seed $SEED"

# The two closing buttons, with a margin: "おしまい" on the drill screen and
# "もうおしまい" on the hundred-solved screen (both without frames here).
closing() {  # x y
  local x=$1 y=$2
  { [ "$x" -ge $((DRILL_X + 16 - 4)) ] && [ "$x" -le $((DRILL_X + 137 + 4)) ] &&
    [ "$y" -ge $((DRILL_Y + 264 - 4)) ] && [ "$y" -le $((DRILL_Y + 289 + 4)) ]; } ||
    { [ "$x" -ge $((207 + 160 - 4)) ] && [ "$x" -le $((207 + 265 + 4)) ] &&
      [ "$y" -ge $((5 + 336 - 4)) ] && [ "$y" -le $((5 + 369 + 4)) ]; }
}

# Resident memory in kB and CPU time in seconds of the program.
usage() {
  local rss ticks
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$PID/status")
  ticks=$(awk '{print $14 + $15}' "/proc/$PID/stat")
  echo "RSS $rss kB, CPU $(awk -v t="$ticks" -v hz="$(getconf CLK_TCK)" 'BEGIN {printf "%.2f", t / hz}') s"
}

# Keys a child may hit; no Tab, which could bring the focus to a closing button.
KEYS=(0 1 2 3 4 5 6 7 8 9 period a s d f j k x z Return BackSpace Escape Left Right Up Down space)
WIDE=(０ １ ２ ３ ４ ５ ６ ７ ８ ９)
UNICODE=(あ ん ぽ 漢 é ß Ж 😀 ∑ ｶ)

# About one second of the storm as one xdotool command line: 20 events.
second_of_storm() {
  local args=() i x y
  for ((i = 0; i < 20; i++)); do
    case $((RANDOM % 10)) in
      0 | 1 | 2 | 3)  # anywhere on the drill screen, the counter window or the kitten
        x=$((87 + RANDOM % 532))
        y=$((6 + RANDOM % 422))
        ;;
      4)  # the wallpaper chooser
        x=$((499 + RANDOM % 104))
        y=$((259 + RANDOM % 191))
        ;;
      5 | 6)  # anywhere
        x=$((RANDOM % 1280))
        y=$((RANDOM % 1024))
        ;;
      7 | 8)
        args+=(key --clearmodifiers "${KEYS[RANDOM % ${#KEYS[@]}]}" sleep 0.03)
        continue
        ;;
      9)
        if ((RANDOM % 2)); then
          args+=(type --delay 0 "${WIDE[RANDOM % ${#WIDE[@]}]}" sleep 0.03)
        else
          args+=(type --delay 0 "${UNICODE[RANDOM % ${#UNICODE[@]}]}" sleep 0.03)
        fi
        continue
        ;;
    esac
    closing "$x" "$y" && x=$((x + 300))  # out past the closing buttons
    args+=(mousemove "$x" "$y" click 1 sleep 0.03)
  done
  xdotool "${args[@]}"
}

start_program
wait_for 20 "the first problem" problem_shown
echo "before the storm: $(usage)"

events=0
end=$((SECONDS + SECONDS_OF_STORM))
started=$SECONDS
while [ $SECONDS -lt $end ]; do
  second_of_storm 2>/dev/null || true
  events=$((events + 20))
  kill -0 "$PID" 2>/dev/null || fail "the program ended during the storm, after about $events events"
done
elapsed=$((SECONDS - started))
echo "storm: $events events in $elapsed s"
sleep 1
kill -0 "$PID" 2>/dev/null || fail "the program ended after the storm"
echo "after the storm: $(usage)"

# A click on the backdrop brings the drill screen in front of whatever the
# storm left showing; then a new problem, its counters, and the right sum.
xdotool mousemove 1100 1000 click 1
sleep 0.3
right=""
for attempt in 1 2 3; do
  xdotool mousemove $((DRILL_X + 76)) $((DRILL_Y + 240)) click 1 \
    mousemove $((DRILL_X + 212)) $((DRILL_Y + 293)) click 1
  wait_for 5 "the counters after the storm" counters_shown
  sum=$(sum_from_counters)
  if [ "$sum" -lt 10 ] || [ "$sum" -gt 18 ]; then continue; fi
  xdotool type --delay 30 "$sum"
  if wait_for_quietly 3 praised; then
    right=$sum
    break
  fi
done
[ -n "$right" ] || fail "no あってるよ for a right answer after the storm"
echo "after the storm: $right was judged right; $(usage)"
echo "PASS"
