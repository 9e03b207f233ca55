# The start of a suite that drives the real program on the sample card, sourced by its
# run.sh <rodemir> <samplecard> <card cache folder>: a new X server when there is none, the
# road's helpers, $rodemir, the scratch folder $work, and the sample card written once per
# build tree into the cache (the card writer keeps what it has written).
. "$(dirname "${BASH_SOURCE[0]}")/../desktop.sh"
own_display "$0" "$@"
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

rodemir=$1
cache=$3
open_work
"$2" "$cache/SAMPLECARD" >/dev/null

# sample_card <name>: a copy of the sample card as the removable drive <name>, in $card;
# the suites delete from it.
sample_card() {
  card="$work/drives/$1"
  mkdir -p "$work/drives"
  cp -r "$cache/SAMPLECARD" "$card"
}
