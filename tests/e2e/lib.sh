# Shared by the end-to-end tests: the real program on a bare X server (no
# window manager), driven with xdotool and looked at through screenshots.
#
# A test script sources this file with the program's path as $1. Without a
# display of its own the script runs itself again under xvfb-run.
set -euo pipefail

if [ -z "${PORONKA_E2E_DISPLAY:-}" ]; then
  export PORONKA_E2E_DISPLAY=1
  # Every process of this run inherits the mark, also those that leave their
  # parent (a session bus and what it starts): the end finds them by it.
  export PORONKA_E2E_RUN="$$.$(date +%s%N)"
  # A script may ask for a larger screen; xrandr can make it smaller later.
  exec xvfb-run -a -s "-noreset -screen 0 ${PORONKA_E2E_SCREEN:-1280x1024}x24" "$0" "$@"
fi

PROGRAM=$(realpath "$1")
WORK=$(mktemp -d /tmp/poronka-e2e.XXXXXX)
PID=""
WM_PID=""
KEEP_WORK=""
# The program's runtime folder, the test's own (Qt wants one).
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The processes that carry this run's mark, but this script (and the shell
# that runs this function), the xvfb-run above it and its X server, which
# xvfb-run ends itself.
parent_of() {  # pid
  local stat
  { read -r stat <"/proc/$1/stat"; } 2>/dev/null || return 1
  stat=${stat##*) }
  stat=${stat#* }
  echo "${stat%% *}"
}
run_processes() {
  local keep=" $BASHPID " p=$$ pid parent
  while [ "$p" -gt 1 ]; do
    keep+="$p "
    p=$(parent_of "$p") || break
  done
  for pid in $(grep -lsz "^PORONKA_E2E_RUN=$PORONKA_E2E_RUN\$" /proc/[0-9]*/environ | cut -d/ -f3); do
    case $keep in *" $pid "*) continue ;; esac
    parent=$(parent_of "$pid") || continue
    [ "$parent" != "$BASHPID" ] || continue
    case $keep in *" $parent "*) [ "$(cat "/proc/$pid/comm" 2>/dev/null)" != Xvfb ] || continue ;; esac
    echo "$pid"
  done
}
# Ends the whole session the run started: the program, the window manager,
# session buses and whatever they started.
end_session() {
  local left
  left=$(run_processes)
  [ -z "$left" ] || kill $left 2>/dev/null || true
  for _ in $(seq 40); do
    left=$(run_processes)
    [ -n "$left" ] || return 0
    sleep 0.05
  done
  kill -KILL $left 2>/dev/null || true
}
cleanup() {
  end_session
  # Screenshots of a failure stay for a look; others go.
  [ -n "$KEEP_WORK" ] || rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$WORK/shot.png" ] && echo "last screenshot: $WORK/shot.png" >&2
  if [ -s "$WORK/out.log" ]; then
    echo "the program's last lines:" >&2
    tail -n 8 "$WORK/out.log" | sed 's/^/  /' >&2
  fi
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

# Clicks at a point of the screen (a run under a compositor says how).
click_at() {  # x y
  xdotool mousemove "$1" "$2" click 1
}

# Types keys, by their X names, into whatever has the keyboard.
type_keys() {  # key...
  xdotool key --delay 60 "$@"
}

# Clicks at a point of the drill screen's client area.
click_drill() {  # x y
  click_at $((DRILL_X + $1)) $((DRILL_Y + $2))
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

# ---------------------------------------------------------- window managers

# Starts a window manager from Debian and waits until it manages the screen.
# Its settings and caches go to the test's folder.
start_wm() {  # openbox | xfwm4 | mutter | kwin
  export XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"
  case $1 in
    openbox) openbox >"$WORK/wm.log" 2>&1 & ;;
    xfwm4) dbus-run-session -- xfwm4 --compositor=off >"$WORK/wm.log" 2>&1 & ;;
    # GNOME's and KDE's window managers on X11, each with a session bus.
    mutter) dbus-run-session -- mutter --x11 --replace --sm-disable >"$WORK/wm.log" 2>&1 & ;;
    kwin) QT_QPA_PLATFORM=xcb dbus-run-session -- kwin_x11 --replace >"$WORK/wm.log" 2>&1 & ;;
    *) fail "unknown window manager $1" ;;
  esac
  WM_PID=$!
  wait_for 20 "$1 to manage the screen" wm_running
}
wm_running() {
  local check
  check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o '0x[0-9a-f]*') || return 1
  xprop -id "$check" _NET_WM_NAME >/dev/null 2>&1
}

# The program's windows the window manager lists, one id a line.
client_windows() {
  xprop -root _NET_CLIENT_LIST | sed -n 's/.*# //p' | tr -d ',' | tr ' ' '\n' | grep . || true
}

# The windows with a task-bar entry: listed and not skipping the task bar.
taskbar_windows() {
  local w
  for w in $(client_windows); do
    xprop -id "$w" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || echo "$w"
  done
}

# The window's title as the window manager reads it (xprop writes it out in
# UTF-8 only in a UTF-8 locale; a fresh machine has none set).
title_of() {  # window
  LC_ALL=C.UTF-8 xprop -id "$1" _NET_WM_NAME | sed -n 's/^[^"]*"\(.*\)"$/\1/p'
}

# The frame widths: left right top bottom (none where the window manager
# sets no extents: KWin on a window it draws no frame around).
frame_of() {  # window
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ',')
  echo "${extents:-0 0 0 0}"
}

# Where the client area of a window stands on the screen: x y width height.
client_area() {  # window
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

viewable() {  # window
  xwininfo -id "$1" | grep -q 'IsViewable'
}

# The program's window with this client size (the counter window has no title).
window_of_size() {  # width height
  local w
  for w in $(xdotool search --all --pid "$PID" --name '' 2>/dev/null); do
    read -r _ _ cw ch < <(client_area "$w")
    if [ "$cw" = "$1" ] && [ "$ch" = "$2" ]; then echo "$w"; return; fi
  done
}

# Finds the drill screen and where its board stands now.
locate_drill() {
  DRILL=$(xdotool search --onlyvisible --name '^PORONKA' | head -n 1)
  [ -n "$DRILL" ] || fail "no drill window"
  read -r DRILL_X DRILL_Y _ _ < <(client_area "$DRILL")
}

# ------------------------------------------------------------ answering right

# Whether the counter window shows; it is the program's 114 x 422 window.
counters_shown() {
  # The window stays the same for the program's life: look for it once.
  if [ -z "${COUNTERS:-}" ] || [ "${COUNTERS_OF:-}" != "$PID" ]; then
    COUNTERS=$(window_of_size 114 422)
    COUNTERS_OF=$PID
  fi
  [ -n "$COUNTERS" ] && viewable "$COUNTERS"
}

# Where the counter window's client area stands: x y.
counters_origin() {
  client_area "$COUNTERS"
}

# The sum on the board, read from the counters "わかんない" brought up: blue
# tiles in the left column, red ones in the right (one read of the screenshot).
sum_from_counters() {
  local cx cy top format="" colour a=0 b=0
  read -r cx cy _ < <(counters_origin)
  shot
  for top in 24 56 88 120 152 200 232 264 296 328; do
    format+="L%[hex:p{$((cx + 32)),$((cy + top + 16))}] R%[hex:p{$((cx + 80)),$((cy + top + 16))}] "
  done
  for colour in $(convert "$WORK/shot.png" -format "$format" info:); do
    [ "$colour" = L3F3FFF ] && a=$((a + 1))
    [ "$colour" = RFF0700 ] && b=$((b + 1))
  done
  echo $((a + b))
}

# The counters make a sum of 10 to 18, the same in two looks a moment apart: a
# compositing window manager may still show the last problem's counters for a
# frame or two after the window maps again.
counters_make_a_sum() {
  local sum
  sum=$(sum_from_counters)
  [ "$sum" -ge 10 ] && [ "$sum" -le 18 ] || return 1
  sleep 0.2
  [ "$(sum_from_counters)" = "$sum" ]
}

# "あってるよ" in white on the board.
praised() {
  shot
  [ "$(count_colour "$WORK/shot.png" $((DRILL_X + 26)) $((DRILL_Y + 80)) 101 19 255 255 255 40)" -gt 30 ]
}

# Answers the problem on the board right, on the keyboard: "わかんない" shows
# the counters (and takes the keys), which tell the sum.
answer_right() {
  local sum
  click_drill 212 293
  wait_for 5 "the counter window" counters_shown
  # A compositing window manager shows this problem's counters a moment after
  # the window maps.
  wait_for_quietly 3 counters_make_a_sum || true
  sum=$(sum_from_counters)
  [ "$sum" -ge 10 ] && [ "$sum" -le 18 ] || fail "read a sum of $sum from the counters"
  type_keys 1 $((sum % 10))
  wait_for 5 "あってるよ for $sum" praised
}

# Yellow writing where the typed answer stands (above the chalk's path).
answer_written() {
  shot
  [ "$(count_colour "$WORK/shot.png" $((DRILL_X + 190)) $((DRILL_Y + 19)) 28 28 255 255 0 60)" -gt 20 ]
}
not_praised() { ! praised; }
counters_gone() { ! viewable "$COUNTERS"; }
badge_gone() { ! viewable "$BADGE"; }

# Navy where the counter window's counters stood: it is behind the backdrop.
counters_covered() {
  local cx cy
  read -r cx cy _ _ < <(client_area "$COUNTERS")
  shot
  [ "$(count_colour "$WORK/shot.png" "$cx" "$cy" 114 422 0 0 128 10)" -gt 40000 ]
}

# The counter window's frame ends where the drill screen's begins, tops level.
counters_touch_board() {
  local c d
  c=($(frame_to_outer "$COUNTERS"))
  d=($(frame_to_outer "$DRILL"))
  [ "${c[2]}" -eq "${d[0]}" ] && [ "${c[1]}" -eq "${d[1]}" ]
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

# ----------------------------------------------------------- scaled desktops

# The X server's screen at another size, up to the one it started with: a mode
# of its one output.
screen_mode() {  # WxH
  local output
  output=$(xrandr | awk '/ connected/ {print $1; exit}')
  xrandr --newmode "$1" 0 "${1%x*}" 0 0 0 "${1#*x}" 0 0 0 2>/dev/null || true
  xrandr --addmode "$output" "$1" 2>/dev/null || true
  xrandr --output "$output" --mode "$1"
}

# The desktop's scale as the X resources say it, read by a program at its
# start: Xft.dpi 96 is 100 %, 192 is 200 %.
xft_dpi() {  # dpi
  xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$1"$'\n'
}

# RATIO: the scale the checks below work at (1.5 for 150 %).
RATIO=1

# Whether a length on the screen is the layout's times the ratio, rounded
# either way where it falls on a half.
is_scaled() {  # device layout
  awk -v d="$1" -v v="$2" -v r="$RATIO" 'BEGIN { e = d - v * r; exit !(e <= 0.5 && e >= -0.5) }'
}

# Whether a window's client area stands where the layout puts it, times the
# ratio: left, top, width and height.
scaled_window() {  # window left top width height
  local x y w h
  read -r x y w h < <(client_area "$1")
  is_scaled "$x" "$2" && is_scaled "$y" "$3" && is_scaled "$w" "$4" && is_scaled "$h" "$5"
}

# A wallpaper of tiles that touch (step = tile size) as the screen should show
# it at RATIO, made here from the 1x tile: the grid from the top-left corner,
# at least `columns` x `rows`, grown until it covers the logical screen; each
# tile's edges at their places times the ratio, rounded, and the tile sampled
# to the size between them (ImageMagick's -sample: the pixel under each
# pixel's centre, the upper-left one on a boundary).
wallpaper_picture() {  # out tile columns rows logicalWxH screenWxH
  local out=$1 tile=$2 columns=$3 rows=$4 w h args=() i j x y W H file
  read -r w h < <(identify -format '%w %h\n' "$tile")
  while [ $((columns * w)) -lt "${5%x*}" ]; do columns=$((columns + 1)); done
  while [ $((rows * h)) -lt "${5#*x}" ]; do rows=$((rows + 1)); done
  read -r -a x < <(awk -v n="$columns" -v s="$w" -v r="$RATIO" \
    'BEGIN { for (i = 0; i <= n; i++) printf "%d ", int(i * s * r + 0.5); print "" }')
  read -r -a y < <(awk -v n="$rows" -v s="$h" -v r="$RATIO" \
    'BEGIN { for (i = 0; i <= n; i++) printf "%d ", int(i * s * r + 0.5); print "" }')
  for ((j = 0; j < rows; j++)); do
    args+=("(")
    for ((i = 0; i < columns; i++)); do
      W=$((x[i + 1] - x[i])) H=$((y[j + 1] - y[j]))
      file="$WORK/tile-${W}x$H.png"
      [ -f "$file" ] || convert "$tile" -sample "${W}x$H!" "$file"
      args+=("$file")
    done
    args+=(+append ")")
  done
  convert -background '#000080' "${args[@]}" -append -extent "$6" +repage "$out"
  rm -f "$WORK"/tile-*.png
}

# How many pixels of the screen as it is now differ from `expected` outside
# the given windows' client areas and rectangles "x y w h" (one grab of the
# screen, one comparison).
differing_pixels() {  # expected window|"x y w h"...
  local expected=$1 masks=() x y w h area
  shift
  for area in "$@"; do
    case $area in *" "*) read -r x y w h <<<"$area" ;; *) read -r x y w h < <(client_area "$area") ;; esac
    masks+=(-draw "rectangle $x,$y $((x + w - 1)),$((y + h - 1))")
  done
  convert x:root "$expected" -fill black "${masks[@]}" -metric AE -compare \
    -format '%[distortion]\n' info: 2>/dev/null
}

# A tile as the picture library cuts it from the sprite sheet.
sheet_tile() {  # out left top width height
  convert "$(dirname "${BASH_SOURCE[0]}")/../../assets/sprite_sheet.bmp" \
    -crop "$4x$5+$2+$3" +repage -type TrueColor "$1"
}

# ---------------------------------------------------------- scaled desktops

# The desktop's settings daemon tells running programs the scale (Xft/DPI in
# 1024ths of a dot per inch), as a desktop does when its scale is changed.
scale() {  # dpi
  echo "Xft/DPI $(($1 * 1024))" >"$WORK/xsettings"
  if [ -z "${XSETTINGS_PID:-}" ]; then
    xsettingsd -c "$WORK/xsettings" >"$WORK/xsettings.log" 2>&1 &
    XSETTINGS_PID=$!
  else
    kill -HUP "$XSETTINGS_PID"
  fi
  RATIO=$(awk -v d="$1" 'BEGIN { print d / 96 }')
}

# The counter window, once it shows: the program's window of its size.
the_counters() {
  local w cw ch
  COUNTERS=""
  for w in $(xdotool search --all --pid "$PID" --name '' 2>/dev/null); do
    read -r _ _ cw ch < <(client_area "$w")
    if is_scaled "$cw" 114 && is_scaled "$ch" 422 && viewable "$w"; then COUNTERS=$w; fi
  done
  [ -n "$COUNTERS" ]
}

# ---------------------------------------------------------------- weston

# weston's settings for the runs: without its fade-in of the whole screen,
# which may still be dimming the first screenshots, and without its panel:
# weston 14 (Debian 13) keeps its panel above a full-screen surface on a
# headless output.
weston_config() {  # out
  printf '[shell]\nstartup-animation=none\nanimation=none\npanel-position=none\n' >"$1"
}
