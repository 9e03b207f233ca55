#!/usr/bin/env bash
# Starts the program, drives it with xdotool and checks it on screenshots.
# Usage: run.sh <rodemir> <bitmap folder> none|openbox
set -euo pipefail
. "$(dirname "$0")/../desktop.sh"
own_display "$0" "$@"
rodemir=$1 bitmaps=$2 manager=$3
open_work
mkdir -p "$work/drives"
if [ "$manager" = openbox ]; then start_window_manager; fi
offline_session "$work" "$work/drives"
run_program "$rodemir"

# The shown main window is that one ("" for none).
window_is() { main_window_shown || true; [ "$MAIN" = "$1" ]; }
geometry() {  # prints "x y w h" of the program's window
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  echo "$X $Y $WIDTH $HEIGHT"
}
geometry_is() { [ "$(geometry)" = "$1" ]; }
wait_geometry() {  # wait_geometry <"x y w h"> <what>
  poll 5 geometry_is "$1" || fail "$2: expected $1, got $(geometry)"
  echo "ok: $2"
}
same() {  # same <got> <expected> <what>
  [ "$1" = "$2" ] || fail "$3: expected $2, got $1"
  echo "ok: $3"
}
at_bitmap() {  # at_bitmap <shot> <x> <y> <bitmap id> <bx> <by> <what>: the window shows the bitmap there
  expect "$work/$1.png" $((X0 + $2)) $((Y0 + $3)) "$(bitmap_pixel "$4" "$5" "$6")" "$7"
}
bitmap_pixel() { pixel "$bitmaps/$1.png" "$2" "$3"; }
# The window is placed at its size and shows its background.
painted() {
  read -r X0 Y0 w h <<<"$(geometry)"
  [ "${w}x$h" = "$NORMAL_SIZE" ] && screen_shows $((X0 + 800)) $((Y0 + 20)) "$(bitmap_pixel 129 800 20)"
}

if [ "$manager" = none ]; then
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY "$rodemir" 2>"$work/stderr" >/dev/null || status=$?
  same "$status $(wc -l <"$work/stderr")" "1 1" "without a display: exit status 1 and one line on stderr"
fi

main_window
wid=$MAIN
wait_until 10 "the window did not show its background at 1022 x 682" painted
echo "ok: the normal window's size"
same "$(xprop -id "$wid" _NET_WM_ICON | grep -c 'Icon (48 x 48)')" "1" "the window and its taskbar entry carry icon 128"

shot normal
at_bitmap normal 800 20 129 800 20 "background"
at_bitmap normal 20 660 129 20 660 "background, bottom left"
at_bitmap normal 700 640 279 5 5 "frame bar under the list"
at_bitmap normal 978 17 130 5 5 "close button"

# The bare background moves the window.
xdotool mousemove $((X0 + 800)) $((Y0 + 20)) mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((X0 + 800 + step * 12)) $((Y0 + 20 + step * 9)); sleep 0.05; done
xdotool mouseup 1
wait_geometry "$((X0 + 60)) $((Y0 + 45)) 1022 682" "dragging the background moves the window"
X0=$((X0 + 60)) Y0=$((Y0 + 45))

# The full window covers the screen; Esc brings the normal window back.
click $BTN_EXTEND
wait_until 5 "the full window does not cover the screen" size_is 1280x1024
echo "ok: the full window's size"
expect_soon 5 640 500 000000 "the full window is black where no video plays"
xdotool key Escape
wait_geometry "$X0 $Y0 1022 682" "Esc brings the normal window back where it was"

if [ "$manager" = openbox ]; then
  click $BTN_MINIMIZE
  wait_until 5 "minimise did not hide the window" window_is ""
  echo "ok: minimise hides the window"
  xdotool windowactivate "$wid"
  wait_until 5 "the window did not come back" window_is "$wid"
  echo "ok: the window comes back"
  read -r X0 Y0 _ _ <<<"$(geometry)"
fi

click $BTN_CLOSE
wait_for_exit "$app" "the close button did not end the program"
status=0
wait "$app" || status=$?
same "$status" "0" "exit status after the close button"
