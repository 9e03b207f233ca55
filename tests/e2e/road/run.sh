#!/usr/bin/env bash
# The whole road of a driver through the real program: a generated card shown as a
# removable drive, the program started under a window manager and driven with pointer and
# key events; each step is checked on screenshots and on the files it writes.
# Usage: run.sh <rodemir> <samplecard> <card cache folder>
set -euo pipefail
. "$(dirname "$0")/suite.sh"

sample_card SAMPLECARD
mkdir -p "$work/copies"
start_program "$rodemir"

# Each step and the seconds it took.
timed() {
  local t0
  t0=$(date +%s.%N)
  "$@"
  awk -v t0="$t0" -v now="$(date +%s.%N)" -v s="$*" 'BEGIN { printf "   %s: %.1f s\n", s, now - t0 }'
}
for step in start chooser list day_filter full_window; do timed "step_$step"; done
NOTHING_OPEN=$(nothing_open_sum)
for step in play transport views maps capture copy_delete split information; do timed "step_$step"; done
click $BTN_PLAY
wait_change 10 "a recording plays before the card goes" $VIDEO_AREA
timed step_card_removed
timed step_close
echo "ok: the whole road in $(elapsed) s"
