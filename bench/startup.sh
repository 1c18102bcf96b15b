#!/usr/bin/env bash
# Start-up time, memory, idle CPU and wake-ups of the program on a virtual X
# display, each beside the same figure of the floor (bench/bare_timers: a bare
# Qt window with the program's nine timers) measured in the same run, as
# medians of several runs. Prints one "name value unit" line per figure.
#   bench/startup.sh BUILD_DIR [RUNS] [IDLE_SECONDS] [IDLE_RUNS]
# RUNS start-ups of each (10), IDLE_RUNS idle measurements (5) of
# IDLE_SECONDS (30) each, taken 10 s after start, program and floor side by side.
set -euo pipefail
build=$(realpath "${1:-build/default}")
runs=${2:-10}
idle=${3:-30}
idle_runs=${4:-5}
settle=10

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
if [ -z "${PORONKA_BENCH_DISPLAY:-}" ]; then
  export PORONKA_BENCH_DISPLAY=1
  exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" "$0" "$@"
fi

program=$build/poronka
probe=$build/bench/startup_probe
floor=$build/bench/bare_timers

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
line() { printf '%s %s %s\n' "$1" "$2" "$3"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "inf" }'; }

# One line per thread: id, voluntary context switches (each one a sleep that
# ends in a wake-up), nanoseconds on a CPU.
threads() {
  local task
  for task in /proc/"$1"/task/*; do
    printf '%s %s %s\n' "${task##*/}" \
      "$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null || echo 0)" \
      "$(awk '{ print $1 }' "$task/schedstat" 2>/dev/null || echo 0)"
  done
}
# Wake-ups per second and % of one core between two samples, over threads
# present in both (pooled threads come and go).
idle_figures() {
  awk -v s="$3" 'NR == FNR { w[$1] = $2; c[$1] = $3; next }
    ($1 in w) { dw += $2 - w[$1]; dc += $3 - c[$1] }
    END { printf "%.2f %.3f\n", dw / s, 100 * dc / 1e9 / s }' "$1" "$2"
}
rss_mb() { awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
pss_mb() { awk '/^Pss:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/smaps_rollup"; }

# Warm the file cache once so every run starts alike.
"$probe" "$(date +%s%N)" >/dev/null
"$floor" "$(date +%s%N)" >/dev/null

starts=() floor_starts=()
for _ in $(seq "$runs"); do
  starts+=("$("$probe" "$(date +%s%N)")")
  floor_starts+=("$("$floor" "$(date +%s%N)")")
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
declare -A fig
for name in rss pss cpu wake floor_rss floor_pss floor_cpu floor_wake rss_wallpaper; do fig[$name]=""; done
for _ in $(seq "$idle_runs"); do
  "$program" &
  pid=$!
  "$floor" &
  fpid=$!
  sleep "$settle"
  threads "$pid" >"$tmp/p0"
  threads "$fpid" >"$tmp/f0"
  sleep "$idle"
  threads "$pid" >"$tmp/p1"
  threads "$fpid" >"$tmp/f1"
  read -r wake cpu < <(idle_figures "$tmp/p0" "$tmp/p1" "$idle")
  read -r fwake fcpu < <(idle_figures "$tmp/f0" "$tmp/f1" "$idle")
  fig[rss]+="$(rss_mb "$pid") " fig[pss]+="$(pss_mb "$pid") "
  fig[floor_rss]+="$(rss_mb "$fpid") " fig[floor_pss]+="$(pss_mb "$fpid") "
  fig[cpu]+="$cpu " fig[wake]+="$wake " fig[floor_cpu]+="$fcpu " fig[floor_wake]+="$fwake "
  # A wallpaper picked (the cat, in the chooser at 499, 259): the backdrop
  # then holds a picture of the whole screen.
  xdotool mousemove 575 311 click 1
  sleep 1
  fig[rss_wallpaper]+="$(rss_mb "$pid") "
  kill "$pid" "$fpid"
  wait "$pid" "$fpid" 2>/dev/null || true
done
med() { tr ' ' '\n' <<<"${fig[$1]}" | grep . | median; }

start_ms=$(printf '%s\n' "${starts[@]}" | median)
floor_ms=$(printf '%s\n' "${floor_starts[@]}" | median)
line runs "$runs" count
line idle_runs "$idle_runs" count
line first_problem "$start_ms" ms
line floor_first_window "$floor_ms" ms
line first_problem_to_floor "$(ratio "$start_ms" "$floor_ms")" x
for m in rss:MB pss:MB cpu:%_of_a_core wake:wake-ups/s; do
  name=${m%%:*} unit=${m#*:}
  label=$name
  case $name in cpu) label=idle_cpu ;; wake) label=idle_wakeups ;; esac
  line "$label" "$(med "$name")" "$unit"
  line "floor_$label" "$(med "floor_$name")" "$unit"
  line "${label}_to_floor" "$(ratio "$(med "$name")" "$(med "floor_$name")")" x
done
line rss_with_wallpaper "$(med rss_wallpaper)" MB
line rss_with_wallpaper_to_floor "$(ratio "$(med rss_wallpaper)" "$(med floor_rss)")" x
line all_first_problem "$(tr ' ' ',' <<<"${starts[*]}")" ms
line all_idle_wakeups "$(tr ' ' ',' <<<"${fig[wake]% }")" wake-ups/s
line all_idle_cpu "$(tr ' ' ',' <<<"${fig[cpu]% }")" %_of_a_core
