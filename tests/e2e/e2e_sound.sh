#!/usr/bin/env bash
# A wrong answer rings the sound theme's bell through the sound server, once
# per wrong answer; a right answer rings nothing. The server is a private
# PulseAudio with a null sink, watched with pactl.
source "$(dirname "$0")/lib.sh"

command -v pulseaudio >/dev/null && command -v pactl >/dev/null ||
  fail "pulseaudio and pactl are needed (scripts/install-deps.sh installs them)"

# A server of our own, in the work folder, so no desktop's sound is touched.
# It says which file each sound plays.
export HOME="$WORK" PULSE_RUNTIME_PATH="$WORK/pulse" PULSE_STATE_PATH="$WORK/pulse"
export PULSE_SERVER="unix:$WORK/pulse.sock"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
  --log-level=info -L "module-null-sink sink_name=speaker" \
  -L "module-native-protocol-unix socket=$WORK/pulse.sock auth-anonymous=1" \
  >"$WORK/pulse.log" 2>&1 &
PULSE_PID=$!
WATCH_PID=""
stop_sound() {
  [ -z "$WATCH_PID" ] || kill "$WATCH_PID" 2>/dev/null || true
  kill "$PULSE_PID" 2>/dev/null || true
  wait "$PULSE_PID" 2>/dev/null || true
  cleanup
}
trap stop_sound EXIT
wait_for 10 "the sound server" pactl info >/dev/null 2>&1

# Every sound played makes a new stream on the sink.
pactl subscribe >"$WORK/events" 2>&1 &
WATCH_PID=$!
sleep 0.2
sounds() { grep -c "'new' on sink-input" "$WORK/events" || true; }
sounds_are() { [ "$(sounds)" -eq "$1" ]; }

# The program's home starts empty, and the user's sound theme has a bell of
# its own (the theme's "complete" sound), which comes before the system's.
mkdir -p "$WORK/home" "$WORK/share/sounds/freedesktop/stereo"
BELL="$WORK/share/sounds/freedesktop/stereo/bell.oga"
cp /usr/share/sounds/freedesktop/stereo/complete.oga "$BELL"
HOME="$WORK/home" XDG_DATA_HOME="$WORK/share" start_program
wait_for 20 "the first problem" problem_shown
drill=$(xdotool search --onlyvisible --name '^PORONKA' | head -n 1)
[ -n "$drill" ] || fail "no drill window"
xdotool windowfocus --sync "$drill"
sounds_are 0 || fail "a sound before any answer"

# Every sum is 10 to 18: 19 is always wrong, and so is a second 19.
xdotool type --delay 60 19
wait_for 5 "the bell of the first wrong answer" sounds_are 1
xdotool type --delay 60 19
wait_for 5 "the bell of the second wrong answer" sounds_are 2
grep -q "Created input .*\"$BELL\"" "$WORK/pulse.log" || fail "the user's bell did not play"
[ -z "$(pactl list samples short)" ] || fail "a sound was left in the server's cache"

# Try every sum: each wrong one rings once more, the right one rewrites
# やったかず and rings nothing.
done_before=$(convert "$WORK/shot.png" -crop "33x20+$((DRILL_X + 96))+$((DRILL_Y + 360))" +repage \
  -depth 8 rgb:- | md5sum)
expected=2
right=""
for n in 10 11 12 13 14 15 16 17 18; do
  xdotool type --delay 60 "$n"
  end=$((SECONDS + 3))
  while [ $SECONDS -lt $end ]; do
    if [ "$(sounds)" -gt "$expected" ]; then
      expected=$((expected + 1))
      continue 2
    fi
    shot
    done_now=$(convert "$WORK/shot.png" -crop "33x20+$((DRILL_X + 96))+$((DRILL_Y + 360))" \
      +repage -depth 8 rgb:- | md5sum)
    if [ "$done_now" != "$done_before" ]; then
      right=$n
      break 2
    fi
    sleep 0.05
  done
  fail "the answer $n was neither judged right nor rang the bell"
done
[ -n "$right" ] || fail "no sum from 10 to 18 was judged right"
sleep 1
sounds_are "$expected" || fail "$(sounds) sounds for $expected wrong answers"

# With the sound library open, "おしまい" still ends the program at once and cleanly.
click_drill 76 276
expect_exit "おしまい"

# The bell wrote nothing: no sound cache. The sound server's client library
# makes its cookie where the user has none, and only that.
written=$(cd "$WORK/home" && find . -type f | sort | tr '\n' ' ')
[ "$written" = "./.config/pulse/cookie " ] || fail "the program wrote $written"
echo "PASS ($expected wrong answers, $expected bells; right answer $right)"
