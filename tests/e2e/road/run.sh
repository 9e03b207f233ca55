#!/usr/bin/env bash
# The whole road of a driver through the real program: a generated card shown as a
# removable drive, the program started under a window manager and driven with pointer and
# key events; each step is checked on screenshots and on the files it writes.
# Usage: run.sh <rodemir> <samplecard> <card cache folder>
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../common.sh"
. "$here/lib.sh"

rodemir=$1
samplecard=$2
cache=$3

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  if [ -n "${RODEMIR_ROAD_SHOTS:-}" ]; then
    mkdir -p "$RODEMIR_ROAD_SHOTS" && cp "$work"/*.png "$RODEMIR_ROAD_SHOTS"/ 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# The card is written once per build tree and copied for each run: the road deletes from it.
"$samplecard" "$cache/SAMPLECARD" >/dev/null
mkdir -p "$work/drives" "$work/documents" "$work/registry" "$work/home" "$work/copies"
cp -r "$cache/SAMPLECARD" "$work/drives/"
card="$work/drives/SAMPLECARD"

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
wait_until 10 "the window manager is running" \
  bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'

export RODEMIR_PRESENTER=gtk RODEMIR_ONLINE=0 RODEMIR_AUDIO_SINK="fakesink sync=true"
export RODEMIR_DOCUMENTS="$work/documents" RODEMIR_REGISTRY_DIR="$work/registry"
export RODEMIR_DRIVES="$work/drives" HOME="$work/home" XDG_CACHE_HOME="$work/home/.cache"
export GSETTINGS_BACKEND=memory
started=$(date +%s.%N)
"$rodemir" >"$work/out.txt" 2>&1 &
app=$!
pids+=($app)

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
click 553 489
wait_change 10 "a recording plays before the card goes" 100 150 400 250
timed step_card_removed
timed step_close
echo "ok: the whole road in $(elapsed) s"
