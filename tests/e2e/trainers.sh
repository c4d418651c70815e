#!/usr/bin/env bash
# End to end: the real program under Xvfb, driven with xdotool as a learner
# would: the serial trainer takes 1011 in four pulses, then the serial-in
# parallel-out trainer takes it and reads it onto its outputs. Each clock
# pulse is timed on the real timers: the lamp may light no sooner than
# 150 ms after the click, the serial trainer's pulse come no sooner than
# 350 ms after it (they are due at 200 and 400 ms); how late they may come
# is bounded only generously, since load can delay them.
# Usage: trainers.sh PROGRAM [SCREENSHOT_DIR [PIXEL_SAMPLER]]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

program=$1
prepare_run "${2:-}"
sampler=${3:-$(dirname "$program")/tests/tramelune_pixel_sampler}

LAMP_BOUND_MS=150
PULSE_BOUND_MS=350
lamp_checked=0
pulse_checked=0
lamp_latest=0
pulse_latest=0

# Clicks a lamp at X Y while sampling it, and the pixel PX PY that a clock
# pulse turns red when given, from just before the click. Only a sample
# whose grab began once the click was sent and ended before a bound tells
# anything about that bound, and it must show the lamp still unlit, or the
# pixel not yet red. On a machine too slow to take such a sample the bound
# is left to a later click. Then waits, generously, for the lamp to light
# and go out and for the pulse.
animate_lamp() {
  local wid=$1 x=$2 y=$3 what=$4 px=${5:-} py=${6:-}
  local samples start spid sent sentDone verdict lampAt pulseAt seenLit seenOut seenPulse
  samples=$(mktemp)
  ASAN_OPTIONS=detect_leaks=0 "$sampler" "$wid" 3000 "$x" "$y" ${px:+"$px" "$py"} >"$samples" 2>/dev/null &
  spid=$!
  start=$(now_ms)
  until [ "$(head -n1 "$samples")" = ready ]; do
    kill -0 "$spid" 2>/dev/null || [ "$(head -n1 "$samples")" = ready ] || fail "$what: the pixel sampler did not start"
    [ $(( $(now_ms) - start )) -lt "$E2E_TIMEOUT_MS" ] || fail "$what: the pixel sampler did not start"
    sleep 0.005
  done
  sent=${EPOCHREALTIME//[!0-9]/}
  click_at "$wid" "$x" "$y"
  sentDone=${EPOCHREALTIME//[!0-9]/}
  wait "$spid" || fail "$what: the pixel sampler failed"
  verdict=$(awk -v sent="$sent" -v sentDone="$sentDone" -v lampBound=$LAMP_BOUND_MS \
                -v pulseBound=$PULSE_BOUND_MS -v lit=$LIT -v red=$RED -v watch="${px:+yes}" '
    NR == 1 || failed { next }
    {
      ms = ($2 - sent) / 1000          # the grab ended this long after the click was sent
      after = $1 >= sentDone           # and began once it was sent
      if ($3 == lit && ms < lampBound) { failed = sprintf("the lamp was lit %.0f ms after the click", ms); next }
      if (watch && $4 == red && ms < pulseBound) { failed = sprintf("the pulse was applied %.0f ms after the click", ms); next }
      if (after && ms < lampBound) lampAt = ms
      if (watch && after && ms < pulseBound) pulseAt = ms
      if ($3 == lit) seenLit = 1
      else if (seenLit) seenOut = 1
      if (watch && $4 == red) seenPulse = 1
    }
    END {
      if (failed) { print "FAIL " failed; exit }
      printf "%s %s %d %d %d\n", lampAt == "" ? "-" : int(lampAt), pulseAt == "" ? "-" : int(pulseAt), seenLit, seenOut, seenPulse
    }' "$samples")
  case $verdict in FAIL*) mv "$samples" "$SHOT_DIR/failed-samples.txt"; fail "$what: ${verdict#FAIL }" ;; esac
  rm -f "$samples"
  read -r lampAt pulseAt seenLit seenOut seenPulse <<<"$verdict"
  if [ "$lampAt" != - ]; then
    lamp_checked=$(( lamp_checked + 1 ))
    [ "$lampAt" -gt "$lamp_latest" ] && lamp_latest=$lampAt
  fi
  if [ -n "$px" ] && [ "$pulseAt" != - ]; then
    pulse_checked=$(( pulse_checked + 1 ))
    [ "$pulseAt" -gt "$pulse_latest" ] && pulse_latest=$pulseAt
  fi
  [ "$seenLit" = 1 ] || wait_pixel "$wid" "$x" "$y" $LIT "$what lights"
  [ "$seenOut" = 1 ] || wait_pixel "$wid" "$x" "$y" $WHITE "$what goes out"
  [ -z "$px" ] || [ "$seenPulse" = 1 ] || wait_pixel "$wid" "$px" "$py" $RED "$what applied"
}

start_xvfb
trap 'stop_program; stop_xvfb' EXIT

# The program needs a real X display whatever platform the tests run on.
start_program "$program"

# ---- main menu
menu=$(wait_window '^Tramelune à décalage$')
mh=$(menu_height "$menu" 424)
wait_pixel "$menu" 5 $(( mh + 5 )) FFE0C0 "main menu background"
import -window "$menu" "$SHOT_DIR/main-menu.png"
click_at "$menu" 238 $(( mh + 114 ))                  # "Registre série/série"

# ---- serial trainer: diagram inside starts at 154, 66 of the client area
serial=$(wait_window '^Registre série$')
wait_window_gone '^Tramelune à décalage$'
mh=$(menu_height "$serial" 395)
click_at "$serial" 108 $(( 196 + mh ))                   # the word box
xdotool type --delay 20 1011
# Pulse p brings a 1 into cell 4 - p: cells 3, 2, 1, 0 at x = 96, 168, 232, 304.
cell_x=(0 96 168 232 304)
for pulse in 1 2 3 4; do
  animate_lamp "$serial" $(on_serial 54 198) "serial pulse $pulse" $(on_serial $(( ${cell_x[$pulse]} + 8 )) $(( 136 + 8 )))
done
# Cells 3 2 1 0 hold 1 0 1 1: a "1" has its red stroke where a "0" is white.
expect_pixel "$serial" $(on_serial $(( 96 + 8 )) $(( 136 + 8 ))) $RED "cell 3"
expect_pixel "$serial" $(on_serial $(( 168 + 8 )) $(( 136 + 8 ))) $WHITE "cell 2"
expect_pixel "$serial" $(on_serial $(( 232 + 8 )) $(( 136 + 8 ))) $RED "cell 1"
expect_pixel "$serial" $(on_serial $(( 304 + 8 )) $(( 136 + 8 ))) $RED "cell 0"
expect_pixel "$serial" $(on_serial 38 134) $LIT "input lamp"
expect_pixel "$serial" $(on_serial 374 134) $LIT "output lamp"
import -window "$serial" "$SHOT_DIR/serial-trainer.png"
click_at "$serial" 193 $(( 313 + mh ))                   # "Menu"

# ---- serial-in parallel-out trainer: diagram inside starts at 108, 18
menu=$(wait_window '^Tramelune à décalage$')
mh=$(menu_height "$menu" 424)
click_at "$menu" 238 $(( mh + 156 ))                    # "Registre série/parallèle"
serial_parallel=$(wait_window '^Registre entrée série et sortie parallèle\.$')
mh=$(menu_height "$serial_parallel" 363)
click_at "$serial_parallel" 76 $(( 240 + mh ))                       # the word box
xdotool type --delay 20 1011
for pulse in 1 2 3 4; do
  animate_lamp "$serial_parallel" $(on_serial_parallel 30 286) "serial-parallel pulse $pulse"
done
animate_lamp "$serial_parallel" $(on_serial_parallel 30 206) "read lamp"
expect_pixel "$serial_parallel" $(on_serial_parallel 120 142) $LIT "S4"
expect_pixel "$serial_parallel" $(on_serial_parallel 192 142) $WHITE "S3"
expect_pixel "$serial_parallel" $(on_serial_parallel 260 142) $LIT "S2"
expect_pixel "$serial_parallel" $(on_serial_parallel 328 142) $LIT "S1"
import -window "$serial_parallel" "$SHOT_DIR/serial-parallel-trainer.png"

# ---- "Quitter" ends the program
click_at "$serial_parallel" 48 $(( 125 + mh ))                       # "Quitter": 90, 1740 twips
start=$(now_ms)
while kill -0 "$PROGRAM_PID" 2>/dev/null; do
  [ $(( $(now_ms) - start )) -lt "$E2E_TIMEOUT_MS" ] || fail "the program did not end"
  sleep 0.02
done
wait "$PROGRAM_PID" || true
PROGRAM_PID=
echo "end to end: both trainers shifted 1011 in and showed it"
if [ "$lamp_checked" -gt 0 ]; then
  echo "no lamp was lit up to $lamp_latest ms after its click ($lamp_checked of 9 clicks timed)"
else
  echo "WARNING: the machine was too slow to time a lamp before $LAMP_BOUND_MS ms on any click"
fi
if [ "$pulse_checked" -gt 0 ]; then
  echo "no pulse was applied up to $pulse_latest ms after the click ($pulse_checked of 4 pulses timed)"
else
  echo "WARNING: the machine was too slow to time a pulse before $PULSE_BOUND_MS ms"
fi
