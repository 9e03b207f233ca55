#!/usr/bin/env bash
# Shows the test dialog through the GTK presenter, clicks it with xdotool and checks
# colours on screenshots. Usage: run.sh <window_e2e_app>
set -euo pipefail
. "$(dirname "$0")/../desktop.sh"
own_display "$0" "$@"
app=$1
open_work
RODEMIR_PRESENTER=gtk "$app" &
pid=$!
pids+=($pid)

# The dialog sits at (100, 100); its client area starts there (no frame).
wait_for_window "Window E2E"
expect_soon 10 160 160 DC0000 "red pane"
expect "$work/now.png" 105 105 14143C "dialog background"
expect "$work/now.png" 320 160 0000DC "blue pane"
expect "$work/now.png" 160 300 E6E600 "yellow pane"

xdotool mousemove 160 160 click 1
expect_soon 5 160 160 00C800 "clicked pane turned green"
expect "$work/now.png" 320 160 0000DC "blue pane unchanged"

xdotool mousemove 160 300 click 1
wait_for_exit $pid "the dialog did not close"
wait $pid
echo "ok: dialog closed with IDOK"
