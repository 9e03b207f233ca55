#!/usr/bin/env bash
# Starts the program, drives it with xdotool and checks it on screenshots.
# Usage: run.sh <rodemir> <bitmap folder> none|openbox
set -euo pipefail
. "$(dirname "$0")/../desktop.sh"
own_display "$0" "$@"
app=$1 bitmaps=$2 manager=$3
work=$(mktemp -d)
mkdir -p "$work/drives"
pids=()
trap 'stop_started; rm -rf "$work"' EXIT
. "$(dirname "$0")/../common.sh"

if [ "$manager" = openbox ]; then start_window_manager; fi
offline_session "$work" "$work/drives"
"$app" &
pid=$!
pids+=($pid)

window() { xdotool search --onlyvisible --name '^RODEMIR$' 2>/dev/null | head -1; }
geometry() {  # prints "x y w h" of the program's window
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  echo "$X $Y $WIDTH $HEIGHT"
}
same() {  # same <got> <expected> <what>
  if [ "$1" != "$2" ]; then
    echo "FAIL: $3: expected $2, got $1" >&2
    exit 1
  fi
  echo "ok: $3"
}
shot() { import -window root "$work/$1.png"; }
at_bitmap() {  # at_bitmap <shot> <x> <y> <bitmap id> <bx> <by> <what>: the window shows the bitmap there
  expect "$work/$1.png" $((wx + $2)) $((wy + $3)) "$(pixel "$bitmaps/$4.png" "$5" "$6")" "$7"
}

if [ "$manager" = none ]; then
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY "$app" 2>"$work/stderr" >/dev/null || status=$?
  same "$status $(wc -l <"$work/stderr")" "1 1" "without a display: exit status 1 and one line on stderr"
fi

for _ in $(seq 1 100); do [ -n "$(window)" ] && break; sleep 0.1; done
wid=$(window)
[ -n "$wid" ] || { echo "FAIL: no window titled RODEMIR" >&2; exit 1; }
sleep 1
read -r wx wy ww wh <<<"$(geometry)"
same "$ww x $wh" "1022 x 682" "the normal window's size"
same "$(xprop -id "$wid" _NET_WM_ICON | grep -c 'Icon (48 x 48)')" "1" "the window and its taskbar entry carry icon 128"

shot normal
at_bitmap normal 800 20 129 800 20 "background"
at_bitmap normal 20 660 129 20 660 "background, bottom left"
at_bitmap normal 700 640 279 5 5 "frame bar under the list"
at_bitmap normal 978 17 130 5 5 "close button"

# The bare background moves the window.
xdotool mousemove $((wx + 800)) $((wy + 20)) mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((wx + 800 + step * 12)) $((wy + 20 + step * 9)); sleep 0.05; done
xdotool mouseup 1
sleep 1
read -r x y _ _ <<<"$(geometry)"
same "$((x - wx)),$((y - wy))" "60,45" "dragging the background moved the window"
wx=$x wy=$y

# The full window covers the screen; Esc brings the normal window back.
xdotool mousemove $((wx + 665)) $((wy + 64)) click 1
sleep 1
read -r _ _ w h <<<"$(geometry)"
same "$w x $h" "1280 x 1024" "the full window's size"
shot full
expect "$work/full.png" 640 500 000000 "the full window is black where no video plays"
xdotool key Escape
sleep 1
read -r x y w h <<<"$(geometry)"
same "$w x $h" "1022 x 682" "back to the normal window"
same "$x,$y" "$wx,$wy" "back where it was before the full window"

if [ "$manager" = openbox ]; then
  xdotool mousemove $((wx + 955)) $((wy + 26)) click 1
  sleep 1
  same "$(window)" "" "minimise hides the window"
  xdotool windowactivate "$wid"
  sleep 1
  same "$(window)" "$wid" "the window comes back"
  read -r wx wy _ _ <<<"$(geometry)"
fi

xdotool mousemove $((wx + 991)) $((wy + 26)) click 1
wait_for_exit "$pid" "the close button did not end the program"
status=0
wait "$pid" || status=$?
same "$status" "0" "exit status after the close button"
