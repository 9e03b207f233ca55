#!/usr/bin/env bash
# A split that fails, as a driver meets it: a card whose only recording has one camera but
# a two-camera name (a rear camera unplugged). Both cameras ticked and Start: the converter
# fails for both, the dialog stops and says so in a message of its own, and can be closed;
# nothing is left in the output folder.
# Usage: run.sh <rodemir> <samplecard> <card cache folder>
set -euo pipefail
. "$(dirname "$0")/../road/suite.sh"

card="$work/drives/CARD"
mkdir -p "$card/Driving" "$card/Event" "$card/Parking"
cp "$cache/SAMPLECARD/Parking/20240131_220010_MOT_C1.AVI" "$card/Parking/20240131_220010_MOT_C2.AVI"

start_program "$rodemir"

# The window's WM_TRANSIENT_FOR, as a decimal id.
owner_of() { printf '%d' "$(xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*# //p')"; }

# The progress bar's inside is one colour: hidden, no marquee running.
bar_hidden() {
  local x y
  read -r x y < <(split_point $SPLIT_BAR)
  shot bar "$((WW * 160 / 179))x$((WH * 6 / 81))+$x+$y"
  [ "$(identify -format '%k' "$work/bar.png")" = 1 ]
}

step_start
step_chooser
wait_rows 1 "the list shows the card's one recording"
check_row 0
open_split
start_split

# The converter fails for both cameras: a message owned by the split dialog comes up.
wait_window 30 '^RODEMIR$' "no message came up after the failed split"
box=$WIN
[ "$(owner_of "$box")" = "$split" ] || fail "the message does not belong to the split dialog"
shot split-failed
echo "ok: the failed split is told in a message over the split dialog"
keys_to "$box" Return
wait_gone 10 "$box" "Enter did not close the message"
window_named '^Split$' && [ "$WIN" = "$split" ] || fail "the split dialog went with the message"
wait_until 5 "the progress bar still shows after the failed split" bar_hidden
shot split-idle
echo "ok: after the message the split dialog stays, its marquee stopped"

split_click $SPLIT_CANCEL
wait_gone 10 "$split" "Cancel did not close the split dialog after the failure"
kill -0 "$app" 2>/dev/null || fail "the program ended"
leftovers=$(find "$work/documents" -name '*.avi')
[ -z "$leftovers" ] || fail "the failed split left files: $leftovers"
echo "ok: Cancel closes the dialog; no output is left"
step_close
echo "ok: a failed split, told and closed, in $(elapsed) s"
