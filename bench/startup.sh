#!/usr/bin/env bash
# Start-up benchmark, run on demand. Builds the program and the benchmark's
# own minimal Qt Widgets program in Release, starts each RUNS times (10
# unless set) under an Xvfb of its own, and for each run records the wall
# time from launch until its window is mapped and the peak resident memory
# once it is up. Prints median and spread for both programs and the ratios
# against the targets:
#   start-up time  <= 1.25 x the minimal program's
#   peak memory    <= the minimal program's + 10 MiB
# then how evenly a 200 ms timer ticks on the real Qt clock (median error
# <= 2 ms). Exits 3 when a target is missed, 1 when it cannot measure.
#   bench/startup.sh            RUNS=20 bench/startup.sh
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-10}
[[ "$runs" =~ ^[0-9]+$ ]] && [ "$runs" -ge 1 ] || { echo "RUNS must be a whole number above 0" >&2; exit 1; }
build=build-bench

for tool in Xvfb xdotool xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/deps.sh --tests" >&2; exit 1; }
done

echo "== building (Release) in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAMELUNE_BENCH=ON -DTRAMELUNE_TESTS=OFF >/dev/null
cmake --build "$build" --target tramelune tramelune_bench_minimal tramelune_bench_ticks >/dev/null

work=$(mktemp -d)
chmod 700 "$work"
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# An Xvfb on the first display that nothing holds.
display=""
for n in $(seq 90 199); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do
    xdpyinfo -display ":$n" >/dev/null 2>&1 && { display=":$n"; break; }
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.02
  done
  [ -n "$display" ] && break
  kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
done
[ -n "$display" ] || { echo "no Xvfb could be started" >&2; exit 1; }
echo "== Xvfb on $display"
# The machine the figures come from, for whoever quotes them.
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
memory=$(awk '/^MemTotal:/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
echo "== machine: ${cpu:-unknown processor}, $(nproc) cores, $memory, Debian $(cat /etc/debian_version 2>/dev/null || echo unknown), Qt $qt, load $(cut -d' ' -f1-3 /proc/loadavg)"

export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
unset WAYLAND_DISPLAY
# Both programs run in a UTF-8 locale, whatever the caller's: without one,
# Qt writes a title's UTF-8 bytes into the legacy title that xdotool reads
# as Latin-1, and "Tramelune à décalage" would never be found.
export LC_ALL=C.UTF-8

# One run: prints "milliseconds KiB". The window counts as up once it is
# mapped under its title; the peak memory is read after it has had time to
# paint.
measure() {
  local program=$1 title=$2
  local start end hwm
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  app_pid=$!
  until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
    kill -0 "$app_pid" 2>/dev/null || { echo "$program ended before its window appeared" >&2; exit 1; }
  done
  end=$(date +%s%N)
  sleep 0.5
  hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$app_pid/status")
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
  echo "$(( (end - start) / 1000000 )) $hwm"
}

# "median min max" of the numbers on standard input.
summary() {
  sort -n | awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%g %g %g\n", m, v[1], v[NR] }'
}

real="$build/tramelune"
minimal="$build/bench/tramelune_bench_minimal"
# Warm the caches once so that the first measured run is not a cold start.
measure "$real" "Tramelune à décalage" >/dev/null
measure "$minimal" "Banc minimal" >/dev/null

: >"$work/real" ; : >"$work/minimal"
for i in $(seq "$runs"); do
  measure "$real" "Tramelune à décalage" >>"$work/real"
  measure "$minimal" "Banc minimal" >>"$work/minimal"
  printf "\r   run %d/%d" "$i" "$runs"
done
echo

read -r rt_med rt_min rt_max < <(cut -d' ' -f1 "$work/real" | summary)
read -r mt_med mt_min mt_max < <(cut -d' ' -f1 "$work/minimal" | summary)
read -r rm_med rm_min rm_max < <(cut -d' ' -f2 "$work/real" | summary)
read -r mm_med mm_min mm_max < <(cut -d' ' -f2 "$work/minimal" | summary)

missed=0
awk -v runs="$runs" \
    -v rt="$rt_med" -v rt0="$rt_min" -v rt1="$rt_max" -v mt="$mt_med" -v mt0="$mt_min" -v mt1="$mt_max" \
    -v rm="$rm_med" -v rm0="$rm_min" -v rm1="$rm_max" -v mm="$mm_med" -v mm0="$mm_min" -v mm1="$mm_max" '
BEGIN {
  printf "== start-up, %d runs each (median, min-max)\n", runs
  printf "   tramelune      %6.1f ms (%g-%g)   %7.1f MiB (%.1f-%.1f)\n", rt, rt0, rt1, rm / 1024, rm0 / 1024, rm1 / 1024
  printf "   minimal Qt     %6.1f ms (%g-%g)   %7.1f MiB (%.1f-%.1f)\n", mt, mt0, mt1, mm / 1024, mm0 / 1024, mm1 / 1024
  ratio = rt / mt
  extra = (rm - mm) / 1024
  t = ratio <= 1.25; m = extra <= 10
  printf "   time:   %.2f x the minimal program (target <= 1.25): %s\n", ratio, t ? "met" : "NOT met"
  printf "   memory: %+.1f MiB over the minimal program (target <= +10 MiB): %s\n", extra, m ? "met" : "NOT met"
  exit (t && m) ? 0 : 3
}' || missed=1

echo "== timer"
"$build/bench/tramelune_bench_ticks" || missed=1

[ "$missed" -eq 0 ] || exit 3
