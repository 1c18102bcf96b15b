#!/usr/bin/env bash
# Start-up time, resident memory and idle CPU of the program on a virtual X
# display, as medians of several runs.
#   bench/startup.sh BUILD_DIR [RUNS] [IDLE_SECONDS]
set -euo pipefail
build=$(realpath "${1:-build/default}")
runs=${2:-10}
idle=${3:-30}

if [ -z "${PORONKA_BENCH_DISPLAY:-}" ]; then
  export PORONKA_BENCH_DISPLAY=1
  exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" "$0" "$@"
fi

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Warm the file cache once so every run starts alike.
"$build/bench/startup_probe" "$(date +%s%N)" >/dev/null

starts=()
for _ in $(seq "$runs"); do
  starts+=("$("$build/bench/startup_probe" "$(date +%s%N)")")
done

rss=()
cpu=()
for _ in $(seq "$runs"); do
  "$build/poronka" &
  pid=$!
  sleep 10
  rss+=("$(awk '/^VmRSS/ { print $2 / 1024 }' "/proc/$pid/status")")
  before=$(cpu_ticks "$pid")
  sleep "$idle"
  after=$(cpu_ticks "$pid")
  cpu+=("$(awk -v t=$((after - before)) -v hz="$ticks" -v s="$idle" 'BEGIN { print 100 * t / hz / s }')")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done

printf 'runs: %d\n' "$runs"
printf 'start to first problem on screen: median %s ms (all: %s)\n' \
  "$(printf '%s\n' "${starts[@]}" | median)" "${starts[*]}"
printf 'resident memory after 10 s: median %s MB (all: %s)\n' \
  "$(printf '%s\n' "${rss[@]}" | median)" "${rss[*]}"
printf 'CPU while idle over %s s: median %s %% of one core (all: %s)\n' \
  "$idle" "$(printf '%s\n' "${cpu[@]}" | median)" "${cpu[*]}"
