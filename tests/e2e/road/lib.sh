# Helpers of the road: the main window, regions of it in screenshots, and the steps of
# starting, closing and the full window. Expects $work, $app and the helpers of common.sh.

# open_work <folder>: a scratch folder, $work, removed at exit with what the script
# started; its screenshots are first copied into <folder> when one is given.
open_work() {
  work=$(mktemp -d)
  pids=()
  keep_shots=$1
  trap close_work EXIT
}
close_work() {
  stop_started
  if [ -n "$keep_shots" ]; then
    mkdir -p "$keep_shots" && cp "$work"/*.png "$keep_shots"/ 2>/dev/null || true
  fi
  rm -rf "$work"
}

# start_program <rodemir>: the program under a window manager, in an offline session kept
# in $work whose removable drives are the folders of $work/drives; its pid in $app.
start_program() {
  start_window_manager
  offline_session "$work" "$work/drives"
  started=$(date +%s.%N)
  "$1" >"$work/out.txt" 2>&1 &
  app=$!
  pids+=($app)
}

# The main window's top-left corner on the screen, in X0 and Y0.
main_window() {
  wait_until 30 "the main window did not appear" main_window_shown
  read -r X0 Y0 < <(xdotool getwindowgeometry --shell "$MAIN" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')
  echo "ok: main window at $X0,$Y0"
}
main_window_shown() {
  MAIN=$(xdotool search --onlyvisible --name '^RODEMIR$' 2>/dev/null | head -n1 || true)
  [ -n "$MAIN" ]
}

# Colour at a point of the main window's client area in the last screenshot.
at() { pixel "$work/$1.png" $((X0 + $2)) $((Y0 + $3)); }

# grab <name> <x> <y> <w> <h>: a part of the main window in a new screenshot, <name>.png.
grab() { shot "$1" "$4x$5+$((X0 + $2))+$((Y0 + $3))"; }

# A fingerprint of the pixels (not of the file, which carries a time) of a region of the main window in a new screenshot.
region_sum() {
  grab region "$@"
  identify -format '%#' "$work/region.png"
}

# same_sum <fingerprint> <x> <y> <w> <h>: the region has that fingerprint now.
same_sum() { [ "$(region_sum "${@:2}")" = "$1" ]; }

# wait_change <seconds> <what> <x> <y> <w> <h>: a region of the window differs from how it
# looks now.
wait_change() {
  local limit=$1 what=$2
  shift 2
  local before
  before=$(region_sum "$@")
  wait_until "$limit" "$what" not same_sum "$before" "$@"
  echo "ok: $what"
}

# Closing: the close button ends the process with status 0.
step_close() {
  click $BTN_CLOSE
  wait_until 20 "the close button did not end the program" bash -c "! kill -0 $app 2>/dev/null"
  local status=0
  wait $app || status=$?
  [ $status -eq 0 ] || fail "exit status $status after the close button"
  echo "ok: the close button ends the program with status 0"
}

# Start: the main window shows its skin with an empty video pane.
step_start() {
  main_window
  expect_soon 10 $((X0 + 500)) $((Y0 + 20)) 242424 "the title bar has the skin's colour"
  expect_soon 5 $((X0 + 300)) $((Y0 + 250)) 000000 "the video pane is black before playing"
  echo "ok: started in $(elapsed) s"
}
elapsed() { awk -v now="$(date +%s.%N)" -v t0="$started" 'BEGIN { printf "%.1f", now - t0 }'; }

# The main window's size as "<width>x<height>".
main_size() { xdotool getwindowgeometry --shell "$MAIN" | awk -F= '/^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print w "x" h}'; }
size_is() { [ "$(main_size)" = "$1" ]; }
screen_size() { xdpyinfo | awk '/dimensions:/{print $2}'; }

# The full window: the extend button fills the screen; the pointer at the bottom edge
# brings the control bar, its button the file-list panel above it, Esc the normal window
# back; the pointer at the top edge brings the top bar, whose button also goes back.
step_full_window() {
  local screen w h
  screen=$(screen_size)
  w=${screen%x*}
  h=${screen#*x}
  click $BTN_EXTEND
  wait_until 15 "the extend button did not fill the screen" size_is "$screen"
  echo "ok: the full window fills the screen ($screen)"
  xdotool mousemove $((w / 2)) $((h / 2))
  # The window's own controls stand at the bottom until the pointer's move hides them.
  wait_until 10 "the bottom stays covered while the pointer is in the middle" not bar_shown $((w / 2)) $((h - 20))
  holds 1 "a control bar came while the pointer is in the middle" not bar_shown $((w / 2)) $((h - 20))
  echo "ok: no control bar while the pointer is in the middle"
  xdotool mousemove $((w / 2)) $((h - 10))
  wait_until 10 "the control bar did not come at the bottom edge" \
    bar_shown $((w - 38)) $((h - 22))
  echo "ok: the control bar shows at the bottom edge"
  xdotool mousemove $((w - 38)) $((h - 22)) click 1
  wait_until 10 "the file-list panel did not open above the control bar" \
    bar_shown $((w - 163)) $((h - 44 - 300))
  echo "ok: the file-list panel opens above the control bar"
  shot full-panels
  xdotool key Escape
  wait_until 15 "Esc in the panel did not bring the normal window back" size_is 1022x682
  wait_until 10 "the panels stayed after leaving the full window" panels_gone
  echo "ok: Esc in a panel brings the normal window back, without the panels"
  click $BTN_EXTEND
  wait_until 15 "the extend button did not fill the screen again" size_is "$screen"
  xdotool mousemove $((w / 2)) 10
  wait_until 10 "the top bar did not come at the top edge" bar_shown $((w - 38)) 20
  xdotool mousemove $((w - 38)) 20 click 1
  wait_until 15 "the top bar's button did not bring the normal window back" size_is 1022x682
  echo "ok: the top bar's button brings the normal window back"
}
# A bar or panel covers the point (the full window is black there without one).
bar_shown() { shot bar; [ "$(pixel "$work/bar.png" "$1" "$2")" != 000000 ]; }
# No panel or bar is shown: no window of the program but the main one is as large.
panels_gone() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    [ "$id" = "$MAIN" ] && continue
    window_box "$id"
    [ "$WW" -lt 300 ] || return 1
  done
}

# The drive chooser comes up at start and is confirmed with Enter.
step_chooser() {
  wait_until 20 "the drive chooser did not come up at start" chooser_shown
  centred_over_main "$CHOOSER" "the drive chooser"
  wait_until 5 "the drive chooser has no title bar" title_bar "$CHOOSER"
  [ "$(xprop -id "$CHOOSER" _NET_WM_NAME | sed -n 's/.* = "\(.*\)"$/\1/p')" = "Select Drive" ] ||
    fail "the drive chooser's title bar is not titled \"Select Drive\""
  [ "$(frame_extents "$MAIN")" = "0, 0, 0, 0" ] || fail "the main window has a frame: $(frame_extents "$MAIN")"
  echo "ok: the drive chooser has a titled frame, the main window none"
  xdotool windowfocus --sync "$CHOOSER" 2>/dev/null || xdotool windowfocus "$CHOOSER"
  xdotool key Return
  wait_until 10 "Enter did not confirm the drive chooser" bash -c "! xdotool search --onlyvisible --name '^Select Drive\$' | grep -qx $CHOOSER"
  echo "ok: the drive chooser comes up at start and Enter confirms it"
}
# The frame the window manager draws around a window: "left, right, top, bottom".
frame_extents() { xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p'; }
# The window's frame has a title bar above it.
title_bar() {
  local top
  top=$(frame_extents "$1" | awk -F', ' '{print $3}')
  [ -n "$top" ] && [ "$top" -ge 10 ]
}
chooser_shown() {
  CHOOSER=$(xdotool search --onlyvisible --name '^Select Drive$' 2>/dev/null | head -n1 || true)
  [ -n "$CHOOSER" ]
}

# wait_window <seconds> <name pattern> <what>: a visible window other than the main one whose
# name matches, in WIN.
wait_window() {
  wait_until "$1" "$3" window_named "$2"
}
window_named() {
  WIN=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "$MAIN" | head -n1 || true)
  [ -n "$WIN" ]
}
# wait_gone <seconds> <window> <what>: the window is no longer shown.
wait_gone() {
  wait_until "$1" "$3" bash -c "! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx $2"
}
# keys_to <window> <key...>: focuses the window and presses the keys.
keys_to() {
  local id=$1
  shift
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  xdotool key --delay 50 "$@"
}
# The top-left corner and size of a window's own area on the screen, its frame left out:
# WX WY WW WH. (xdotool counts a framed window's offset in its frame twice.)
window_box() {
  read -r WX WY WW WH < <(xwininfo -id "$1" | awk -F: '/Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2}
    /^ *Width/{w=$2} /^ *Height/{h=$2} END{print x+0, y+0, w+0, h+0}')
}

# centred_over_main <window> <what>: the window's centre is the main window's.
centred_over_main() {
  local mw mh dx dy
  window_box "$1"
  read -r mw mh < <(main_size | tr x ' ')
  dx=$((WX + WW / 2 - X0 - mw / 2))
  dy=$((WY + WH / 2 - Y0 - mh / 2))
  [ ${dx#-} -le 2 ] && [ ${dy#-} -le 2 ] || fail "$2 opened off the main window's centre by $dx,$dy"
  echo "ok: $2 opens centred over the main window"
}

here_road=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here_road/list.sh"
. "$here_road/playback.sh"
. "$here_road/card.sh"
. "$here_road/files.sh"
