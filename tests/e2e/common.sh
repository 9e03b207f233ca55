# Helpers of the end-to-end scripts: waits, windows, screenshots and their pixels, pointer
# events on the main window, and the places of the main window's controls. The scripts keep
# their files in $work; the main window's top-left corner on the screen is X0, Y0.

# scaled <seconds>: a wait's bound, stretched by RODEMIR_WAIT_SCALE for slow builds.
scaled() { echo $(($1 * ${RODEMIR_WAIT_SCALE:-1})); }
# deadline <seconds>: the epoch second at which a wait of that (scaled) bound ends.
deadline() { echo $(($(date +%s) + $(scaled "$1"))); }
# poll <seconds> <command...>: runs the command every 0.2 s until it succeeds; fails when
# the (scaled) bound passes first.
poll() {
  local end
  end=$(deadline "$1")
  shift
  until "$@"; do
    [ "$(date +%s)" -lt "$end" ] || return 1
    sleep 0.2
  done
}

# fail <what>: ends the script; a screenshot of the screen is left in $work/failed.png
# and the end of the program's output ($work/out.txt), when it has any, is shown.
fail() {
  echo "FAIL: $*" >&2
  if [ -n "${work:-}" ]; then
    shot failed 2>/dev/null || true
    if [ -s "$work/out.txt" ]; then tail -n 20 "$work/out.txt" >&2; fi
  fi
  exit 1
}
# wait_until <seconds> <what> <command...>: polls the command; fails when the (scaled)
# bound passes first.
wait_until() {
  local limit=$1 what=$2
  shift 2
  poll "$limit" "$@" || fail "$what (after $(scaled "$limit") s)"
}
# holds <seconds> <what> <command...>: the command keeps succeeding for the (scaled) span.
holds() {
  local end what=$2
  end=$(deadline "$1")
  shift 2
  while [ "$(date +%s)" -lt "$end" ]; do
    "$@" || fail "$what"
    sleep 0.2
  done
}
# not <command...>: the command fails (for wait_until).
not() { ! "$@"; }

wait_for_window() {  # wait_for_window <title>: a shown window of that title
  wait_window 10 "$1" "no window titled '$1'"
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
# The main window's size as "<width>x<height>".
main_size() { xdotool getwindowgeometry --shell "$MAIN" | awk -F= '/^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print w "x" h}'; }
size_is() { [ "$(main_size)" = "$1" ]; }

# wait_window <seconds> <name pattern> <what>: a visible window other than the main one whose
# name matches, in WIN.
wait_window() {
  wait_until "$1" "$3" window_named "$2"
}
window_named() {
  WIN=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "${MAIN:-}" | head -n1 || true)
  [ -n "$WIN" ]
}
# wait_gone <seconds> <window> <what>: the window is no longer shown.
wait_gone() {
  wait_until "$1" "$3" bash -c "! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx $2"
}
# keys_to <window> <key...>: focuses the window and presses the keys.
keys_to() {
  focus "$1"
  shift
  xdotool key --delay 50 "$@"
}
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; }
# The top-left corner and size of a window's own area on the screen, its frame left out:
# WX WY WW WH. (xdotool counts a framed window's offset in its frame twice.)
window_box() {
  read -r WX WY WW WH < <(xwininfo -id "$1" | awk -F: '/Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2}
    /^ *Width/{w=$2} /^ *Height/{h=$2} END{print x+0, y+0, w+0, h+0}')
}

wait_for_exit() {  # wait_for_exit <pid> <what>
  poll 5 bash -c "! kill -0 $1 2>/dev/null" || fail "$2"
}

# shot <name> [<w>x<h>+<x>+<y>]: the screen, or that part of it, in $work/<name>.png.
shot() {
  if [ -n "${2:-}" ]; then
    import -silent -window root -crop "$2" +repage "$work/$1.png"
  else
    import -silent -window root "$work/$1.png"
  fi
}
pixel() {  # pixel <png> <x> <y> -> RRGGBB
  convert "$1" -format "%[hex:u.p{$2,$3}]" info: | cut -c1-6
}
expect() {  # expect <png> <x> <y> <RRGGBB> <what>
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$5 at ($2,$3): expected $4, got $got"
  echo "ok: $5"
}
differ() {  # differ <png> <x1> <y1> <x2> <y2> <what>
  [ "$(pixel "$1" "$2" "$3")" != "$(pixel "$1" "$4" "$5")" ] || fail "$6"
  echo "ok: $6"
}
# expect_soon <seconds> <x> <y> <RRGGBB> <what>: new screenshots ($work/now.png) until
# the screen shows the colour at the point.
expect_soon() {
  poll "$1" screen_shows "$2" "$3" "$4" ||
    fail "$5 at ($2,$3): expected $4, got $(pixel "$work/now.png" "$2" "$3") (after $(scaled "$1") s)"
  echo "ok: $5"
}
screen_shows() { shot now && [ "$(pixel "$work/now.png" "$1" "$2")" = "$3" ]; }
# differ_soon <seconds> <x1> <y1> <x2> <y2> <what>: new screenshots until the two points
# of the screen differ.
differ_soon() {
  poll "$1" screen_differs "$2" "$3" "$4" "$5" || fail "$6 (after $(scaled "$1") s)"
  echo "ok: $6"
}
screen_differs() { shot now && [ "$(pixel "$work/now.png" "$1" "$2")" != "$(pixel "$work/now.png" "$3" "$4")" ]; }

# Pointer events at a point of the main window, and at a point of the screen.
click() { xdotool mousemove $((X0 + $1)) $((Y0 + $2)) click 1; }
dblclick() { xdotool mousemove $((X0 + $1)) $((Y0 + $2)) click --repeat 2 --delay 80 1; }
click_at() { xdotool mousemove "$1" "$2" click 1; }

# The main window's controls in the normal layout: the middle of each, "x y" in the
# window, for click $BTN_PLAY.
BTN_MINIMIZE="955 26"
BTN_CLOSE="991 26"
BTN_INFORMATION="919 26"
BTN_FRONT="449 64"
BTN_REAR="485 64"
BTN_BOTH="519 64"
BTN_ROTATE="561 64"
BTN_REVERSE="596 64"
BTN_CAPTURE="630 64"
BTN_EXTEND="665 64"
BTN_SPLIT="853 64"
BTN_CALENDAR="925 64"
BTN_SAVE="957 64"
BTN_DELETE="992 64"
BTN_FILE_ALL="735 92"
BTN_FILE_NORMAL="816 92"
BTN_FILE_EVENT="897 92"
BTN_FILE_MOTION="978 92"
BTN_PLAY="553 489"
BTN_PREV="602 489"
BTN_NEXT="638 489"
BTN_SHOWMAP="991 650"
# The map buttons while the small map shows, and the large map's own button.
BTN_LARGEMAP_BY_MAP="955 452"
BTN_SHOWMAP_BY_MAP="991 452"
BTN_REDUCEMAP="915 26"
# The seek slider at its start and three quarters along (15 s of a 20 s recording).
SEEK_START="32 484"
SEEK_15S="333 484"
# The recording list: a row's middle and its check box.
ROW_X=760
CHECK_X=983
row_y() { echo $((136 + 20 * $1)); }
row() { echo "$ROW_X" "$(row_y "$1")"; }
# Regions of the window, "x y w h": the video, the file name, the elapsed time and the
# duration, the list's first rows, and the G-sensor panel.
VIDEO_AREA="100 150 400 250"
NAME_LABEL="121 57 290 15"
ELAPSED_LABEL="40 494 50 13"
DURATION_LABEL="364 494 50 13"
LIST_ROWS="700 126 150 160"
SENSOR_PANEL="41 531 370 114"

# The main window's size in the normal layout.
NORMAL_SIZE=1022x682
# full_window_places: the screen's size in SW, SH and the full window's places, which fill
# it: the pointer's spots that bring the bars, "x y" points of the bars and regions of them.
full_window_places() {
  read -r SW SH < <(xdpyinfo | awk '/dimensions:/{split($2, d, "x"); print d[1], d[2]}')
  FULL_MIDDLE="$((SW / 2)) $((SH / 2))"
  FULL_TOP_EDGE="$((SW / 2)) 10"
  FULL_BOTTOM_EDGE="$((SW / 2)) $((SH - 10))"
  FULL_ABOVE_BOTTOM="$((SW / 2)) $((SH - 20))"  # covered by the control bar only
  FULL_VIDEO="0 $((SH / 4)) $SW $((SH / 2))"      # its clock and colour strip move
  # The top bar's button back to the normal window, and the control bar's file-list button.
  BTN_TOP_BAR_NORMAL="$((SW - 38)) 20"
  BTN_BAR_FILE_LIST="$((SW - 38)) $((SH - 22))"
  BAR_FILE_LIST_AREA="$((SW - 57)) $((SH - 36)) 37 28"
  BAR_ELAPSED="20 $((SH - 19)) 50 15"
  # A point of the file-list panel, which opens above the control bar.
  FILE_LIST_PANEL="$((SW - 163)) $((SH - 344))"
}
