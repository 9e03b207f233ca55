#!/usr/bin/env bash
# Shows the skinned controls through the GTK presenter, hovers and clicks them with
# xdotool and checks colours on screenshots. Usage: run.sh <skin_e2e_app> [screenshot.png]
set -euo pipefail
. "$(dirname "$0")/../desktop.sh"
own_display "$0" "$@"
app=$1
keep=${2:-}
open_work
RODEMIR_PRESENTER=gtk "$app" &
pid=$!
pids+=($pid)

wait_for_window "Skin Controls"
expect_soon 10 400 285 1B1B1B "dialog background"
# The dialog's client area starts at (100, 100). Hover the play button.
xdotool mousemove 138 140
differ_soon 5 123 131 183 134 "the hovered play button differs from the front view"
[ -n "$keep" ] && cp "$work/now.png" "$keep"
differ "$work/now.png" 183 134 219 134 "the checked rear view differs from the front view"
differ "$work/now.png" 180 200 400 200 "the seek slider's filled part differs from its channel"

# The close button ends the dialog.
xdotool mousemove 581 122 click 1
wait_for_exit $pid "the dialog did not close"
wait $pid
echo "ok: dialog closed"
