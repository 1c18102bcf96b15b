# Shared by the end-to-end tests: the real program on a bare X server (no
# window manager), driven with xdotool and looked at through screenshots.
#
# A test script sources this file with the program's path as $1. Without a
# display of its own the script runs itself again under xvfb-run.
set -euo pipefail

if [ -z "${PORONKA_E2E_DISPLAY:-}" ]; then
  export PORONKA_E2E_DISPLAY=1
  exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" "$0" "$@"
fi

PROGRAM=$(realpath "$1")
WORK=$(mktemp -d /tmp/poronka-e2e.XXXXXX)
PID=""
KEEP_WORK=""
cleanup() {
  if [ -n "$PID" ]; then kill "$PID" 2>/dev/null || true; fi
  # Screenshots of a failure stay for a look; others go.
  [ -n "$KEEP_WORK" ] || rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$WORK/shot.png" ] && echo "last screenshot: $WORK/shot.png" >&2
  KEEP_WORK=1
  exit 1
}

# Starts the program in the background.
start_program() {
  "$PROGRAM" >"$WORK/out.log" 2>&1 &
  PID=$!
}

# Saves a screenshot of the whole screen as $WORK/<name>.png (default shot).
shot() {
  import -window root "$WORK/${1:-shot}.png"
}

# Prints the colour of one pixel as #RRGGBB.
pixel() {  # file x y
  convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-F]\{6\}'
}

# Counts the pixels of a region whose colour is within `tol` of r g b.
count_colour() {  # file x y w h r g b tol
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -depth 8 txt:- | tail -n +2 |
    sed -e 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/' |
    awk -v r="$6" -v g="$7" -v b="$8" -v t="$9" '
      function d(a, b) { return a > b ? a - b : b - a }
      d($1, r) <= t && d($2, g) <= t && d($3, b) <= t { n++ }
      END { print n + 0 }'
}

# Waits until `command` succeeds, polling; fails after `seconds`.
wait_for() {  # seconds description command...
  local seconds=$1 what=$2
  shift 2
  local end=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -lt $end ] || fail "timed out waiting for $what"
    sleep 0.05
  done
}

# The drill screen's client area stands at (208, 6): with no window manager
# there is no frame around it.
DRILL_X=208
DRILL_Y=6

# Clicks at a point of the drill screen's client area.
click_drill() {  # x y
  xdotool mousemove $((DRILL_X + $1)) $((DRILL_Y + $2)) click 1
}

# Whether the first addend's white digit is on the board.
problem_shown() {
  shot
  [ "$(count_colour "$WORK/shot.png" $((DRILL_X + 22)) $((DRILL_Y + 19)) 30 37 255 255 255 40)" -gt 20 ]
}

# Waits for the program to end by itself, cleanly, after `what`.
expect_exit() {  # what
  for _ in $(seq 40); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$PID" 2>/dev/null; then fail "the program did not end after $1"; fi
  wait "$PID" || fail "the program ended with an error"
  PID=""
}

# The counter window beside the board (no frame under a bare X server): the
# first addend in blue from the bottom of the left column, the second in red
# in the right one. Prints their sum, read from one screenshot.
COUNTERS_X=87
COUNTERS_Y=6
ROW_TOPS=(24 56 88 120 152 200 232 264 296 328)
counters_sum() {
  local format="" top
  for top in "${ROW_TOPS[@]}"; do
    format+="%[hex:p{$((COUNTERS_X + 32)),$((COUNTERS_Y + top + 16))}] "
    format+="%[hex:p{$((COUNTERS_X + 80)),$((COUNTERS_Y + top + 16))}] "
  done
  convert "$WORK/shot.png" -depth 8 -format "$format" info: | tr ' ' '\n' | grep -c -E '^(3F3FFF|FF0700)$'
}
counters_shown() {
  shot
  [ "$(pixel "$WORK/shot.png" $((COUNTERS_X + 2)) $((COUNTERS_Y + 200)))" = "#008000" ]
}

# White writing of "あってるよ" on the board, at (26, 80).
praised() {
  shot
  [ "$(count_colour "$WORK/shot.png" $((DRILL_X + 26)) $((DRILL_Y + 80)) 101 19 255 255 255 40)" -gt 30 ]
}

# Like wait_for, but only says whether `command` came true in time.
wait_for_quietly() {  # seconds command...
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.05
  done
}
