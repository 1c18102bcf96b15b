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
if [ "$WM" = mutter ]; then
  # Mutter draws a title bar without buttons: where they would stand, at its
  # right end, it is plain.
  [ "$top" -gt "$bottom" ] || fail "mutter drew no title bar on the drill screen"
  shot
  plain=$(convert "$WORK/shot.png" -crop "48x1+$((DRILL_X + 283 - 52))+$((DRILL_Y - top / 2))" +repage -format %k info:)
  [ "$plain" -eq 1 ] || fail "the drill screen's title bar has buttons ($plain colours where they stand)"
else
  [ "$top" -le "$bottom" ] || fail "the drill screen has a title bar ($left $right $top $bottom)"
fi
chooser=$(xdotool search --onlyvisible --name '^Form9$' | head -n 1)
read -r _ _ ctop cbottom < <(frame_of "$chooser")
[ "$ctop" -gt "$cbottom" ] || fail "$WM draws no title bar on the chooser"
# However tall that title bar, the chooser's bottom row of pictures shows
# whole: the navy and the maroon square, down to their last line.
read -r cx cy cw ch < <(client_area "$chooser")
[ "$ch" -ge 162 ] || fail "the chooser's client area is ${cw}x$ch, too short for its pictures"
shot
[ "$(pixel "$WORK/shot.png" $((cx + 20)) $((cy + 160)))" = "#000080" ] &&
  [ "$(pixel "$WORK/shot.png" $((cx + 76)) $((cy + 160)))" = "#800000" ] ||
  fail "the chooser's bottom row is cut off"

# A close request never ends the program, nor closes the drill screen.
wmctrl -i -c "$DRILL"
xdotool windowactivate --sync "$DRILL" 2>/dev/null || true
xdotool key alt+F4
sleep 0.5
kill -0 "$PID" || fail "a close request ended the program"
viewable "$DRILL" || fail "a close request closed the drill screen"

# The drill screen offers no minimise; a window manager that minimises it
# anyway sees it come back at once, in front, without a click.
xdotool windowminimize "$DRILL"
sleep 0.3
wait_for 1 "the drill screen to come back by itself" viewable "$DRILL"
wait_for 2 "the board in front again" problem_shown

# The counter window touches the board, top edges level, frames included.
frame_to_outer() {  # window -> outer left top right(exclusive)
  local x y w h l r t b
  read -r x y w h < <(client_area "$1")
  read -r l r t b < <(frame_of "$1")
  echo $((x - l)) $((y - t)) $((x + w + r))
}
# From its first appearance on, once framed: no frame comes late and moves it.
click_drill 212 293
wait_for 5 "the counter window" counters_shown
counters_framed() { xprop -id "$COUNTERS" _NET_FRAME_EXTENTS | grep -q ' = '; }
wait_for_quietly 1 counters_framed || true # KWin sets none where it draws no frame
for _ in $(seq 5); do
  counters_touch_board ||
    fail "the counter window stands off the board ($(frame_to_outer "$COUNTERS") against $(frame_to_outer "$DRILL"))"
done
# Closing it from the window manager leaves the hint up.
wmctrl -i -c "$COUNTERS"
sleep 0.3
viewable "$COUNTERS" || fail "a close request hid the counter window"

# Another program in front of them all, over the whole screen.
xmessage -name other -geometry 1280x1024+0+0 other >/dev/null 2>&1 &
OTHER_PID=$!
wait_for 5 "the other program" xdotool search --onlyvisible --name '^other$'
other=$(xdotool search --onlyvisible --name '^other$' | head -n 1)
xdotool windowactivate --sync "$other" 2>/dev/null || true
board_covered() {
  shot
  [ "$(count_colour "$WORK/shot.png" $((DRILL_X + 30)) $((DRILL_Y + 100)) 40 40 0 128 0 10)" -eq 0 ]
}
wait_for 3 "the other program in front" board_covered

# A second launch leaves one set of windows and the first program running,
# and brings the whole set, backdrop included, in front of the other one;
# none of them is left asking for attention.
before=$(client_windows | wc -l)
timeout 10 "$PROGRAM" >"$WORK/second.log" 2>&1 || fail "the second launch ended with $?"
sleep 0.5
[ "$(client_windows | wc -l)" -eq "$before" ] || fail "a second launch added windows"
kill -0 "$PID" || fail "the first program ended"
in_front_of_other() {
  local stacking w above=""
  stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' | tr -d ',')
  for w in $stacking; do
    [ $((w)) -eq $((other)) ] && above=1 && continue
    [ -n "$above" ] || continue
    case "$(title_of "$w")" in Form10) above=backdrop ;; esac
  done
  [ "$above" = backdrop ] && problem_shown
}
sleep 1
for w in $(client_windows); do
  [ $((w)) -ne $((other)) ] || continue
  if xprop -id "$w" _NET_WM_STATE | grep -q DEMANDS_ATTENTION; then
    fail "$(title_of "$w") is left demanding attention"
  fi
done
wait_for 2 "the backdrop and the board in front of the other program" in_front_of_other
shot
[ "$(count_colour "$WORK/shot.png" 1100 900 20 20 0 0 128 10)" -eq 400 ] || fail "the backdrop is not in front"
kill "$OTHER_PID"

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
