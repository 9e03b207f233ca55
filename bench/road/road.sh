#!/usr/bin/env bash
# The road of a driver through the real program, without pauses, timed step by step as a
# user sees it (screen pixels, windows, files): start to the recording list, double-click
# to the first picture, a seek, a capture, a copy of a 100 MB recording (beside cp of the
# same file), a split of a 30 s recording (beside the converter run alone), and the
# program's peak resident memory over the road. Prints each run's figures and the medians.
# Usage: road.sh <rodemir> <road_watch> <road_card> <card cache> [--smoke] [RUNS]
# --smoke: one run on a card of a short, small recording.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tests/e2e/desktop.sh"
own_display "$0" "$@"
. "$here/../../tests/e2e/road/lib.sh"
. "$here/steps.sh"
. "$here/split.sh"

rodemir=$1
watch=$2
card_writer=$3
cache=$4
shift 4
card_size=()
runs=3
if [ "${1:-}" = --smoke ]; then
  shift
  card_size=(--smoke)
  cache=$cache-smoke
  runs=1
fi
runs=${1:-$runs}

echo "writing the card (once per build tree)..."
recording=$("$card_writer" "${card_size[@]}" "$cache/drives/ROADCARD")
name=$(basename "$recording")
size=$(stat -c %s "$recording")
echo "recording: $name, $((size / 1000000)) MB"

open_work
top=$work
start_window_manager
figures=$top/figures

# One road: a fresh documents folder, registry and home; the card is only read.
road() {
  work=$top/run$1
  mkdir -p "$work"/{copies,cp,alone}
  offline_session "$work" "$cache/drives"
  run_program "$rodemir"
  road_start
  road_play
  road_seek
  road_capture
  road_copy
  road_split
  echo "peak-resident-MB $(awk '/^VmHWM:/{printf "%.0f", $2 / 1024}' "/proc/$app/status")" | tee -a "$figures"
  step_close
}

# Each figure's median and its values, in the order of the road.
medians() {
  awk '{ v[$1] = v[$1] " " $2; if (!($1 in seen)) { seen[$1] = 1; order[++n] = $1 } }
       END { for (i = 1; i <= n; ++i) print order[i], v[order[i]] }' "$figures" |
    while read -r figure values; do
      echo "$figure $(tr ' ' '\n' <<<"$values" | sort -n |
        awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }') $values"
    done
}

for run in $(seq 1 "$runs"); do
  echo "run $run"
  road "$run"
done

echo
echo "medians of $runs runs (ms; peak resident memory in MB):"
medians | tee "$top/medians" | while read -r figure median values; do
  printf "  %-26s %8s   (runs:%s)\n" "$figure" "$median" "$values"
done
awk '{ m[$1] = $2 } END {
  printf "  copy / cp:                %8.1f\n", m["copy-enter-to-copied"] / m["cp-alone"]
  printf "  copy / cp and flush:      %8.1f\n", m["copy-enter-to-copied"] / m["cp-and-flush"]
  printf "  split / converter alone:  %8.1f\n", m["split-start-to-complete"] / m["converter-alone"] }' "$top/medians"
