#!/usr/bin/env bash
# Windows on a bare X server, where nothing activates or raises a window by
# itself: the counter window touches the board, a click on the backdrop puts
# it behind, the keys come back to the board when the badge goes, and a second
# launch leaves one set of windows.
source "$(dirname "$0")/lib.sh"

start_program
wait_for 20 "the first problem" problem_shown
locate_drill
[ "$DRILL_X $DRILL_Y" = "208 6" ] || fail "the board stands at $DRILL_X, $DRILL_Y"

# The counter window stands against the board, top edges level: green right
# up to the board, no strip of backdrop between them.
click_drill 212 293
wait_for 5 "the counter window" counters_shown
read -r cx cy cw _ < <(client_area "$COUNTERS")
[ $((cx + cw)) -eq "$DRILL_X" ] && [ "$cy" -eq "$DRILL_Y" ] ||
  fail "the counter window stands at $cx, $cy, $cw wide"
shot
n=$(count_colour "$WORK/shot.png" $((DRILL_X - 8)) $((DRILL_Y + 10)) 8 50 0 0 128 10)
[ "$n" -eq 0 ] || fail "$n pixels of backdrop between the counter window and the board"

# A click on the backdrop brings it over the counter window, and the board
# and the chooser over it.
xdotool mousemove 1000 900 click 1
wait_for 3 "the counter window to fall behind the backdrop" counters_covered
problem_shown || fail "the board is not in front after a click on the backdrop"
[ "$(pixel "$WORK/shot.png" 560 300)" = "#808000" ] || fail "the chooser is not in front"

# A second launch asks the first to come forward and ends; one set of windows.
# The program keeps nothing in the runtime folder, so a cleaner that empties
# or removes it changes nothing.
[ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "files in the runtime folder: $(ls -A "$XDG_RUNTIME_DIR")"
rm -rf "$XDG_RUNTIME_DIR"
before=$(xdotool search --all --name '' 2>/dev/null | wc -l)
timeout 10 "$PROGRAM" >"$WORK/second.log" 2>&1 || fail "the second launch ended with $?"
kill -0 "$PID" || fail "the first program ended"
after=$(xdotool search --all --name '' 2>/dev/null | wc -l)
[ "$after" -eq "$before" ] || fail "the second launch left windows: $before before, $after after"

# The keys come back to the board when the ten-in-a-row badge goes.
click_drill 60 240  # "もんだい": a fresh problem
source "$(dirname "$0")/keys_after_badge.sh"
echo "PASS"
