#!/usr/bin/env bash
# Runs every benchmark against a build directory and prints their figures.
#   bench/run_all.sh [BUILD_DIR] [TYPING_SECONDS]
set -euo pipefail
build=${1:-build/default}
seconds=${2:-60}
here=$(dirname "$0")

echo "== start-up, memory, idle CPU"
"$here/startup.sh" "$build"
echo "== key to judgement, typing cost"
xvfb-run -a -s "-noreset -screen 0 1280x1024x24" "$build/bench/key_latency" "$seconds"
echo "== wallpaper cost on a 1920 x 1080 screen"
xvfb-run -a -s "-noreset -screen 0 1920x1080x24" "$build/bench/wallpaper_cost" "$seconds"
echo "== wallpaper cost on a 3840 x 2160 screen at ratio 2"
xvfb-run -a -s "-noreset -screen 0 3840x2160x24" env QT_SCALE_FACTOR=2 \
  "$build/bench/wallpaper_cost" 1 | grep -v '^typing\|^CPU\|^had every'
echo "== a wrong answer's bell"
"$build/bench/beep_cost"
echo "== wallpaper 8 on 1920 x 1080 and 3840 x 2160 backdrops"
"$build/bench/wallpaper_sizes"
