#!/usr/bin/env bash
# The full window's bars through the real program under a window manager: Space, Left and
# Right pressed while the bars show act on playback as in the normal window and never leave
# the full window; the card removed while the file-list panel shows takes the panel away
# and releases the button that opened it.
# Usage: run.sh <rodemir> <samplecard> <card cache folder>
set -euo pipefail
. "$(dirname "$0")/../road/suite.sh"

sample_card SAMPLECARD
start_program "$rodemir"
paused_in_full_window() { size_is "${SW}x$SH" && region_same_for 1 $FULL_VIDEO; }

step_start
step_chooser

# A recording plays in the full window.
wait_rows 5 "the list shows the card's recordings"
dblclick $(row 0)
wait_change 20 "the double-click plays the first recording" $VIDEO_AREA
full_window "the extend button did not fill the screen"
echo "ok: the full window fills the screen"

# Space, Left and Right with the bars up, brought by the top strip: the keys act on
# playback and the full window stays.
xdotool mousemove $FULL_MIDDLE
xdotool mousemove $FULL_TOP_EDGE
wait_until 10 "the top bar did not come at the top edge" bar_shown $BTN_TOP_BAR_NORMAL
wait_until 10 "the control bar did not come with the top bar" bar_shown $BTN_BAR_FILE_LIST
xdotool key space
wait_until 10 "Space with the bars shown did not pause in the full window" paused_in_full_window
echo "ok: Space with the bars shown pauses and the full window stays"
paused=$(region_sum $BAR_ELAPSED)
xdotool key Right
wait_until 10 "Right with the bars shown did not move on" not same_sum "$paused" $BAR_ELAPSED
echo "ok: Right with the bars shown moves on"
xdotool key Left
wait_until 10 "Left with the bars shown did not go back" same_sum "$paused" $BAR_ELAPSED
echo "ok: Left with the bars shown goes back"
xdotool key space
wait_change 10 "Space with the bars shown plays again" $FULL_VIDEO
size_is "${SW}x$SH" || fail "Space with the bars shown left the full window"
echo "ok: the full window stays through Space, Left and Right"

# The file-list panel open over the control bar when the card goes: the normal window
# comes back without the panel, and the bar's button that opened it is released.
control_bar "the control bar did not come at the bottom edge"
released=$(region_sum $BAR_FILE_LIST_AREA)
file_list_panel "the file-list panel did not open"
xdotool mousemove $FULL_BOTTOM_EDGE
mv "$card" "$work/removed"
normal_window "removing the card did not bring the normal window back"
wait_until 10 "the file-list panel stayed after the card went" panels_gone
echo "ok: removing the card in the full window takes the file-list panel away"
full_window "the extend button did not fill the screen again"
control_bar "the control bar did not come again"
wait_until 5 "the file-list button stayed pressed after the card went" same_sum "$released" $BAR_FILE_LIST_AREA
echo "ok: the file-list button is released"
kill -0 "$app" 2>/dev/null || fail "the program ended"
