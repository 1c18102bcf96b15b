#!/usr/bin/env bash
# Starts the program. Without a display it runs on a virtual X server instead,
# saves a screenshot once the first problem is up and exits (1 if it never
# comes up).
set -euo pipefail
bin=$(realpath "$1")

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin"
fi

echo "No display found: running on a virtual X display (Xvfb) instead."
# A session without a desktop has no runtime folder; Qt wants one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d /tmp/poronka-runtime.XXXXXX)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
shot="${PORONKA_SHOT:-$PWD/build/poronka-screenshot.png}"
mkdir -p "$(dirname "$shot")"
export bin shot
xvfb-run -a -s "-noreset -screen 0 1280x1024x24" bash -c '
  start=$(date +%s%N)
  "$bin" & pid=$!
  # Wait for the first problem: white writing where the first addend stands
  # (the drill screen'"'"'s board starts at 208, 6 when nothing frames it).
  shown=""
  for _ in $(seq 200); do
    sleep 0.05
    import -window root "$shot" 2>/dev/null || continue
    white=$(convert "$shot" -crop 30x37+230+25 +repage -fill black +opaque white \
      -fill white -opaque white -format "%[fx:round(mean*w*h)]" info:)
    if [ "${white:-0}" -gt 20 ]; then
      shown=$(( ($(date +%s%N) - start) / 1000000 ))
      break
    fi
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if [ -z "$shown" ]; then
    echo "The first problem did not come up within 10 s: see $shot" >&2
    exit 1
  fi
  echo "First problem on screen $shown ms after the start."
'
echo "Screenshot saved: $shot"
