# Helpers of the road: regions of the main window in screenshots, and the steps of starting,
# closing and the full window. Expects $work, $app and the helpers of desktop.sh.

# start_program <rodemir>: the program under a window manager, in an offline session kept
# in $work whose removable drives are the folders of $work/drives.
start_program() {
  start_window_manager
  offline_session "$work" "$work/drives"
  run_program "$1"
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

# full_window <what>: the extend button fills the screen. The window's corner, X0 Y0, is
# then the screen's, so that the full window's places (full_window_places) are its own too.
full_window() {
  full_window_places
  click $BTN_EXTEND
  wait_until 15 "$1" size_is "${SW}x$SH"
  NORMAL_X0=$X0 NORMAL_Y0=$Y0 X0=0 Y0=0
}
# normal_window <what>: the normal window comes back, at its corner.
normal_window() {
  wait_until 15 "$1" size_is $NORMAL_SIZE
  X0=$NORMAL_X0 Y0=$NORMAL_Y0
}
# file_list_panel <what>: the control bar's button opens the file-list panel above the bar.
file_list_panel() {
  click $BTN_BAR_FILE_LIST
  wait_until 10 "$1" bar_shown $FILE_LIST_PANEL
}

# The full window: the extend button fills the screen; the pointer at the bottom edge
# brings the control bar, its button the file-list panel above it, Esc the normal window
# back; the pointer at the top edge brings the top bar, whose button also goes back.
step_full_window() {
  full_window "the extend button did not fill the screen"
  echo "ok: the full window fills the screen (${SW}x$SH)"
  bars_away
  holds 1 "a control bar came while the pointer is in the middle" not bar_shown $FULL_ABOVE_BOTTOM
  echo "ok: no control bar while the pointer is in the middle"
  control_bar "the control bar did not come at the bottom edge"
  echo "ok: the control bar shows at the bottom edge"
  file_list_panel "the file-list panel did not open above the control bar"
  echo "ok: the file-list panel opens above the control bar"
  shot full-panels
  xdotool key Escape
  normal_window "Esc in the panel did not bring the normal window back"
  wait_until 10 "the panels stayed after leaving the full window" panels_gone
  echo "ok: Esc in a panel brings the normal window back, without the panels"
  full_window "the extend button did not fill the screen again"
  xdotool mousemove $FULL_TOP_EDGE
  wait_until 10 "the top bar did not come at the top edge" bar_shown $BTN_TOP_BAR_NORMAL
  click $BTN_TOP_BAR_NORMAL
  normal_window "the top bar's button did not bring the normal window back"
  echo "ok: the top bar's button brings the normal window back"
}
# bars_away: the pointer in the middle of the full window takes the bars away. (The bars
# shown before, and the window's own controls at the bottom, stay until the move hides them.)
bars_away() {
  xdotool mousemove $FULL_MIDDLE
  wait_until 10 "the bottom stays covered while the pointer is in the middle" not bar_shown $FULL_ABOVE_BOTTOM
}
# control_bar <what>: from the middle, the pointer at the bottom edge brings the control bar,
# drawn whole: its file-list button stays as it is.
control_bar() {
  bars_away
  xdotool mousemove $FULL_BOTTOM_EDGE
  wait_until 10 "$1" bar_shown $BTN_BAR_FILE_LIST
  wait_until 10 "$1 whole" region_same_for 1 $BAR_FILE_LIST_AREA
}
# A bar or panel covers the point of the screen (the full window is black there without one).
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
  wait_window 20 '^Select Drive$' "the drive chooser did not come up at start"
  CHOOSER=$WIN
  centred_over_main "$CHOOSER" "the drive chooser"
  wait_until 5 "the drive chooser has no title bar" title_bar "$CHOOSER"
  [ "$(xprop -id "$CHOOSER" _NET_WM_NAME | sed -n 's/.* = "\(.*\)"$/\1/p')" = "Select Drive" ] ||
    fail "the drive chooser's title bar is not titled \"Select Drive\""
  [ "$(frame_extents "$MAIN")" = "0, 0, 0, 0" ] || fail "the main window has a frame: $(frame_extents "$MAIN")"
  echo "ok: the drive chooser has a titled frame, the main window none"
  keys_to "$CHOOSER" Return
  wait_gone 10 "$CHOOSER" "Enter did not confirm the drive chooser"
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
