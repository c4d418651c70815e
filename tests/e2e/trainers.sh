#!/usr/bin/env bash
# End to end: the real program under Xvfb, driven with xdotool as a learner
# would: the serial trainer takes 1011 in four pulses, then the serial-in
# parallel-out trainer takes it and reads it onto its outputs.
# Usage: trainers.sh PROGRAM [SCREENSHOT_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

program=$1
SHOT_DIR=${2:-$(mktemp -d)}
mkdir -p "$SHOT_DIR"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

LIT=FF0F50
WHITE=FFFFFF
RED=FF0000

# Clicks a lamp and waits for its two-tick animation: lit, then out again.
animate_lamp() {
  local wid=$1 x=$2 y=$3 what=$4
  click_at "$wid" "$x" "$y"
  wait_pixel "$wid" "$x" "$y" $LIT "$what lights"
  wait_pixel "$wid" "$x" "$y" $WHITE "$what goes out"
}

start_xvfb
trap 'kill "${PROGRAM_PID:-0}" 2>/dev/null || true; stop_xvfb' EXIT

"$program" &
PROGRAM_PID=$!

# ---- main menu
menu=$(wait_window '^Tramelune à décalage$')
mh=$(menu_height "$menu" 424)
wait_pixel "$menu" 5 $(( mh + 5 )) FFE0C0 "main menu background"
import -window "$menu" "$SHOT_DIR/menu.png"
click_at "$menu" 238 $(( mh + 114 ))                  # "Registre série/série"

# ---- serial trainer: diagram inside starts at 154, 66 of the client area
serie=$(wait_window '^Registre série$')
wait_window_gone '^Tramelune à décalage$'
mh=$(menu_height "$serie" 395)
d() { echo $(( 154 + $1 )) $(( 66 + $2 + mh )); }       # diagram point -> window point
click_at "$serie" 108 $(( 196 + mh ))                   # the word box
xdotool type --delay 20 1011
for pulse in 1 2 3 4; do
  animate_lamp "$serie" $(d 54 198) "clock lamp at pulse $pulse"
done
# Cells 3 2 1 0 hold 1 0 1 1: a "1" has its red stroke where a "0" is white.
expect_pixel "$serie" $(d $(( 96 + 8 )) $(( 136 + 8 ))) $RED "cell 3"
expect_pixel "$serie" $(d $(( 168 + 8 )) $(( 136 + 8 ))) $WHITE "cell 2"
expect_pixel "$serie" $(d $(( 232 + 8 )) $(( 136 + 8 ))) $RED "cell 1"
expect_pixel "$serie" $(d $(( 304 + 8 )) $(( 136 + 8 ))) $RED "cell 0"
expect_pixel "$serie" $(d 38 134) $LIT "input lamp"
expect_pixel "$serie" $(d 374 134) $LIT "output lamp"
import -window "$serie" "$SHOT_DIR/serie.png"
click_at "$serie" 193 $(( 313 + mh ))                   # "Menu"

# ---- serial-in parallel-out trainer: diagram inside starts at 108, 18
menu=$(wait_window '^Tramelune à décalage$')
mh=$(menu_height "$menu" 424)
click_at "$menu" 238 $(( mh + 156 ))                    # "Registre série/parallèle"
sp=$(wait_window '^Registre entrée série et sortie parallèle\.$')
mh=$(menu_height "$sp" 363)
d() { echo $(( 108 + $1 )) $(( 18 + $2 + mh )); }
click_at "$sp" 76 $(( 240 + mh ))                       # the word box
xdotool type --delay 20 1011
for pulse in 1 2 3 4; do
  animate_lamp "$sp" $(d 30 286) "clock lamp at pulse $pulse"
done
animate_lamp "$sp" $(d 30 206) "read lamp"
expect_pixel "$sp" $(d 120 142) $LIT "S4"
expect_pixel "$sp" $(d 192 142) $WHITE "S3"
expect_pixel "$sp" $(d 260 142) $LIT "S2"
expect_pixel "$sp" $(d 328 142) $LIT "S1"
import -window "$sp" "$SHOT_DIR/sp.png"

# ---- "Quitter" ends the program
click_at "$sp" 48 $(( 125 + mh ))                       # "Quitter": 90, 1740 twips
start=$(now_ms)
while kill -0 "$PROGRAM_PID" 2>/dev/null; do
  [ $(( $(now_ms) - start )) -lt "$E2E_TIMEOUT_MS" ] || fail "the program did not end"
  sleep 0.02
done
wait "$PROGRAM_PID" || true
echo "end to end: both trainers shifted 1011 in and showed it"
