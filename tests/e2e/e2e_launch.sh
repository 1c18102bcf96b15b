#!/usr/bin/env bash
# Launches as a normal user, with the faults real machines have: another user
# made the runtime folder first, one display is spelt several ways, the first
# program is stopped. A first launch always starts; a second one ends or
# starts within two seconds, and never opens a second set of windows on a
# desktop whose program answers.
set -euo pipefail
# An X server any user may use (no cookie to read), also on TCP for
# "localhost:N".
if [ -z "${PORONKA_E2E_DISPLAY:-}" ]; then
  export PORONKA_E2E_DISPLAY=1
  exec xvfb-run -a -l -s "-noreset -ac -listen tcp -screen 0 1280x1024x24" "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"

# The user, and the program where that user may run it. Another user made
# Qt's fallback runtime folder (there is no XDG_RUNTIME_DIR) before it.
USER_ID=65534
SQUATTER_ID=65533
name=$(getent passwd "$USER_ID" | cut -d: -f1)
[ -n "$name" ] || fail "no user $USER_ID"
chmod 755 "$WORK"
install -m 755 "$PROGRAM" "$WORK/poronka"
install -d -m 700 -o "$USER_ID" -g "$USER_ID" "$WORK/home"
install -d -m 1777 "$WORK/tmp"
install -d -m 700 -o "$SQUATTER_ID" -g "$SQUATTER_ID" "$WORK/tmp/runtime-$name"
NUMBER=${DISPLAY#:}
SECOND=""
# A stopped program takes no signal to end until it is continued.
trap 'kill -CONT "$PID" 2>/dev/null || true; [ -z "$SECOND" ] || kill "$SECOND" 2>/dev/null || true
  cleanup' EXIT
# Runs a command as the user, in place of the calling (sub)shell: "$!" of
# "(as_user ...) &" is then the program itself.
as_user() {  # display command...
  local display=$1
  shift
  exec env -u XDG_RUNTIME_DIR -u XAUTHORITY HOME="$WORK/home" TMPDIR="$WORK/tmp" \
    DISPLAY="$display" setpriv --reuid="$USER_ID" --regid="$USER_ID" --clear-groups "$@"
}
ms_since() { echo $((($(date +%s%N) - $1) / 1000000)); }
windows() { xdotool search --all --name '' 2>/dev/null | wc -l; }

# The first launch starts.
(as_user "$DISPLAY" "$WORK/poronka") >"$WORK/out.log" 2>&1 &
PID=$!
wait_for 20 "the first problem" problem_shown
kill -0 "$PID" || fail "the first program ended: $(cat "$WORK/out.log")"
! grep -q 'protection is off' "$WORK/out.log" || fail "the first program warned: $(cat "$WORK/out.log")"

# However the display is spelt, a second launch gives way to it at once.
before=$(windows)
spellings=("$DISPLAY.0" "unix$DISPLAY" "localhost$DISPLAY" "/tmp/.X11-unix/X$NUMBER")
for spelling in "${spellings[@]}"; do
  # Not every X library takes every spelling (a path needs libxcb 1.16;
  # Debian 13's libxcb refuses unix:N): only those any X program could open.
  if ! DISPLAY=$spelling xdpyinfo >/dev/null 2>&1; then
    echo "note: this X library does not open $spelling"
    continue
  fi
  start=$(date +%s%N)
  if ! (as_user "$spelling" timeout 5 "$WORK/poronka") >"$WORK/second.log" 2>&1; then
    fail "a launch on $spelling did not end by itself: $(cat "$WORK/second.log")"
  fi
  took=$(ms_since "$start")
  [ "$took" -lt 2000 ] || fail "a launch on $spelling took $took ms"
  ! grep -q 'protection is off' "$WORK/second.log" || fail "$spelling: $(cat "$WORK/second.log")"
  echo "a launch on $spelling gave way in $took ms"
done
kill -0 "$PID" || fail "the first program ended"
[ "$(windows)" -eq "$before" ] || fail "a launch left windows: $before before, $(windows) after"

# The first program stopped: a second launch starts on its own within two
# seconds, and says why once.
kill -STOP "$PID"
start=$(date +%s%N)
(as_user "$DISPLAY" "$WORK/poronka") >"$WORK/second.log" 2>&1 &
SECOND=$!
said() { grep -q 'protection is off' "$WORK/second.log"; }
wait_for 5 "the second launch to say why it starts" said
took=$(ms_since "$start")
kill -0 "$SECOND" || fail "the second launch ended: $(cat "$WORK/second.log")"
[ "$took" -lt 2000 ] || fail "the second launch took $took ms to start"
[ "$(grep -c 'protection is off' "$WORK/second.log")" -eq 1 ] || fail "$(cat "$WORK/second.log")"
second_shows() { [ -n "$(xdotool search --onlyvisible --pid "$SECOND" --name '^PORONKA' 2>/dev/null)" ]; }
wait_for 20 "the second launch's drill screen" second_shows
kill "$SECOND"
wait "$SECOND" 2>/dev/null || true
SECOND=""
kill -CONT "$PID"
kill -0 "$PID" || fail "the first program ended"
echo "PASS (a launch against the stopped program started in $took ms)"
