# Shared by the runs under the kiosk compositor cage, sourced after lib.sh:
# a headless session of a normal user (nobody, when the test runs as root),
# with a runtime folder of its own, screenshots through grim, and keys and
# clicks through whatever the session lets a test send.

# As root, the session runs as nobody, in a folder of its own.
SESSION="$WORK/session"
mkdir -m 755 "$SESSION" "$SESSION/home"
if [ "$(id -u)" -eq 0 ]; then
  AS_USER=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  chmod 711 "$WORK"
  chown 65534:65534 "$SESSION" "$SESSION/home"
else
  AS_USER=()
fi
USER_RUN="$SESSION/run"
"${AS_USER[@]}" mkdir -m 700 "$USER_RUN"
# The user may not reach the build tree.
cp "$PROGRAM" "$SESSION/poronka"
chmod 755 "$SESSION/poronka"

as_user() {
  "${AS_USER[@]}" env HOME="$SESSION/home" XDG_RUNTIME_DIR="$USER_RUN" \
    XDG_CONFIG_HOME="$SESSION/home/config" XDG_CACHE_HOME="$SESSION/home/cache" "$@"
}

# Starts cage on a headless output with the program as its one client, which
# sees Xwayland (`xwayland`) or only Wayland (`wayland`). The session ends
# when the program does.
start_cage() {  # xwayland | wayland
  local unset_display=""
  [ "$1" = wayland ] && unset_display="unset DISPLAY"
  cat >"$SESSION/inner.sh" <<EOF
#!/bin/sh
echo "\$DISPLAY" >"$SESSION/display"
$unset_display
exec "$SESSION/poronka" >"$SESSION/out.log" 2>&1
EOF
  chmod 755 "$SESSION/inner.sh"
  # On a headless output, cage 0.1 hands a full-screen client's buffer
  # straight to the output, where screenshots cannot read it; an output
  # turned half round makes it compose every frame, the same picture.
  local turn=() help
  help=$(cage -h 2>&1 || true)
  case $help in *"-r"*Rotate*) turn=(-r -r) ;; esac
  as_user env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    cage "${turn[@]}" -- "$SESSION/inner.sh" >"$WORK/cage.log" 2>&1 &
  PID=$!
  wait_for 10 "cage's socket" cage_socket >/dev/null
  export WAYLAND_DISPLAY
  WAYLAND_DISPLAY=$(cage_socket)
}
cage_socket() {
  local s
  for s in "$USER_RUN"/wayland-*; do
    [ -S "$s" ] && { basename "$s"; return 0; }
  done
  return 1
}

shot() {
  # Uncompressed: faster to write and to read (the name's .png is only a name).
  as_user env WAYLAND_DISPLAY="$WAYLAND_DISPLAY" grim -t ppm - >"$WORK/${1:-shot}.png" ||
    fail "no screenshot: $(tail -n 3 "$WORK/cage.log")"
}

# The output's size, from the first screenshot.
screen_size() {
  shot
  read -r SCREEN_W SCREEN_H <<<"$(identify -format '%w %h' "$WORK/shot.png")"
}

# Keys and clicks through cage's Xwayland, as any X client there sends them.
use_xwayland_input() {
  wait_for 10 "cage's Xwayland" test -s "$SESSION/display"
  XWAYLAND=$(cat "$SESSION/display")
  click_at() { as_user env DISPLAY="$XWAYLAND" xdotool mousemove "$1" "$2" click 1; }
  type_keys() { as_user env DISPLAY="$XWAYLAND" xdotool key --delay 60 "$@"; }
  HAVE_KEYS=1
  HAVE_CLICKS=1
}

# Keys through the virtual-keyboard protocol (wtype), where the compositor
# has it. Each wtype brings a keyboard of its own, which the program must
# have taken before the first key. No clicks: a virtual pointer lives only as
# long as one wlrctl command, and its click arrives before the program has
# taken the pointer.
use_wayland_input() {
  if ! as_user wtype -k Shift_L 2>"$WORK/wtype.log"; then
    NO_KEYS="cage $(cage -v 2>&1 | grep -o '[0-9.]*' | head -n 1) takes no keys from clients ($(cat "$WORK/wtype.log"))"
    return 0
  fi
  type_keys() { as_user wtype -s 300 -d 60 "$(printf '%s' "$@")"; }
  HAVE_KEYS=1
  NO_CLICKS="no clicks can be sent to cage"
}
