# The program under a real window manager, sourced by e2e_wm_<name>.sh after
# lib.sh with the window manager's name as $1.
WM=$1
start_wm "$WM"
start_program
wait_for 10 "the drill screen" xdotool search --onlyvisible --name '^PORONKA'
locate_drill
wait_for 20 "the first problem" problem_shown

# One task-bar entry, the drill screen's, reading the program's name; every
# other screen carries its own caption only.
entries=$(taskbar_windows)
[ "$(echo "$entries" | grep -c .)" -eq 1 ] || fail "task-bar entries: $(for w in $entries; do title_of "$w"; done | tr '\n' ,)"
case "$(title_of "$entries")" in *ポロンカ*) ;; *) fail "the task-bar entry reads '$(title_of "$entries")'" ;; esac
titles=$(for w in $(client_windows); do title_of "$w"; done | sort | tr '\n' ,)
case "$titles" in *Form10,*Form5,*Form9,*) ;; *) fail "titles: $titles" ;; esac
case "$titles" in *"— ポロンカ"*"— ポロンカ"*) fail "secondary titles carry the program's name: $titles" ;; esac

# No title-bar buttons on the drill screen: the hints offer nothing but a
# move, and the frame has no title bar where the buttons would stand (the
# chooser, with its buttons, shows what a title bar is here).
hints=$(xprop -id "$DRILL" _MOTIF_WM_HINTS | sed -n 's/.* = //p' | tr -d ',')
read -r _ functions _ <<<"$hints"
[ $((functions)) -eq 4 ] || fail "the drill screen offers functions $functions"
read -r left right top bottom < <(frame_of "$DRILL")
[ "$top" -le "$bottom" ] || fail "the drill screen has a title bar ($left $right $top $bottom)"
chooser=$(xdotool search --onlyvisible --name '^Form9$' | head -n 1)
read -r _ _ ctop cbottom < <(frame_of "$chooser")
[ "$ctop" -gt "$cbottom" ] || fail "$WM draws no title bar on the chooser"

# A close request never ends the program, nor closes the drill screen.
wmctrl -i -c "$DRILL"
xdotool windowactivate --sync "$DRILL" 2>/dev/null || true
xdotool key alt+F4
sleep 0.5
kill -0 "$PID" || fail "a close request ended the program"
viewable "$DRILL" || fail "a close request closed the drill screen"

# A minimised drill screen comes back with a click on the backdrop.
xdotool windowminimize --sync "$DRILL"
xdotool mousemove 1000 900 click 1
wait_for 5 "the drill screen to come back" viewable "$DRILL"
wait_for 5 "the board in front again" problem_shown

# The counter window touches the board, top edges level, frames included.
click_drill 212 293
wait_for 5 "the counter window" counters_shown
frame_to_outer() {  # window -> outer left top right(exclusive)
  local x y w h l r t b
  read -r x y w h < <(client_area "$1")
  read -r l r t b < <(frame_of "$1")
  echo $((x - l)) $((y - t)) $((x + w + r))
}
wait_for 10 "the counter window against the board ($(frame_to_outer "$COUNTERS") against $(frame_to_outer "$DRILL"))" counters_touch_board
# Closing it from the window manager leaves the hint up.
wmctrl -i -c "$COUNTERS"
sleep 0.3
viewable "$COUNTERS" || fail "a close request hid the counter window"

# A second launch leaves one set of windows and the first program running.
before=$(client_windows | wc -l)
timeout 10 "$PROGRAM" >"$WORK/second.log" 2>&1 || fail "the second launch ended with $?"
sleep 0.5
[ "$(client_windows | wc -l)" -eq "$before" ] || fail "a second launch added windows"
kill -0 "$PID" || fail "the first program ended"

# Keys come back to the board when the badge goes by itself.
click_drill 60 240
source "$(dirname "$0")/keys_after_badge.sh"

# The hundred-solved screen, which has a close box, only hides when closed.
hundred=$(xdotool search --name '^Form5$' | head -n 1)
wmctrl -i -c "$hundred"
wait_for 3 "the hundred-solved screen to hide" bash -c "! xwininfo -id $hundred | grep -q IsViewable"
kill -0 "$PID" || fail "closing the hundred-solved screen ended the program"

# "おしまい" still ends it.
locate_drill
click_drill 76 276
expect_exit "おしまい"
echo "PASS"
