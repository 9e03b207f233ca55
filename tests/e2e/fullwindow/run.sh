#!/usr/bin/env bash
# The full window's bars through the real program under a window manager: Space, Left and
# Right pressed while the bars show act on playback as in the normal window and never leave
# the full window; the card removed while the file-list panel shows takes the panel away
# and releases the button that opened it.
# Usage: run.sh <rodemir> <samplecard> <card cache folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../desktop.sh"
own_display "$0" "$@"
. "$here/../common.sh"

rodemir=$1
samplecard=$2
cache=$3

work=$(mktemp -d)
pids=()
trap 'stop_started; rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  import -window root "$work/failed.png" 2>/dev/null || true
  [ -z "${RODEMIR_FULLWINDOW_SHOTS:-}" ] || cp "$work"/*.png "$RODEMIR_FULLWINDOW_SHOTS"/ 2>/dev/null || true
  exit 1
}
# until_ok <seconds> <what> <command...>: polls the command; fails when the bound passes.
until_ok() {
  local limit=$1 what=$2
  shift 2
  poll "$limit" "$@" || fail "$what (after $(scaled "$limit") s)"
}
isnt() { ! "$@"; }

# Screen coordinates; the full window fills the screen, so they are its client's too.
fingerprint() {  # fingerprint <x> <y> <w> <h>: of that part of the screen now
  import -silent -window root -crop "$3x$4+$1+$2" +repage "$work/part.png"
  identify -format '%#' "$work/part.png"
}
looks() { [ "$(fingerprint "${@:2}")" = "$1" ]; }  # looks <fingerprint> <x> <y> <w> <h>
# changes <seconds> <what> <x> <y> <w> <h>: the part of the screen comes to differ from now.
changes() {
  local before
  before=$(fingerprint "${@:3}")
  until_ok "$1" "$2" isnt looks "$before" "${@:3}"
  echo "ok: $2"
}
# still_for <seconds> <x> <y> <w> <h>: the part of the screen is the same after that time.
still_for() {
  local before
  before=$(fingerprint "${@:2}")
  sleep "$1"
  looks "$before" "${@:2}"
}
not_black() {  # not_black <x> <y>: a bar or panel covers the point of the black full window
  import -silent -window root -crop "1x1+$1+$2" +repage "$work/point.png"
  [ "$(pixel "$work/point.png" 0 0)" != 000000 ]
}

paused_in_full_window() { size_is "${W}x$H" && still_for 1 $VIDEO; }

main_shown() {
  MAIN=$(xdotool search --onlyvisible --name '^RODEMIR$' 2>/dev/null | head -n1 || true)
  [ -n "$MAIN" ]
}
main_size() { xdotool getwindowgeometry --shell "$MAIN" | awk -F= '/^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print w "x" h}'; }
size_is() { [ "$(main_size)" = "$1" ]; }
corner() { xdotool getwindowgeometry --shell "$MAIN" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'; }
# Pointer events at a point of the normal window's client area.
click_normal() {
  local x0 y0
  read -r x0 y0 < <(corner)
  xdotool mousemove $((x0 + $1)) $((y0 + $2)) click --repeat "${3:-1}" --delay 80 1
}
# The list's first row shows a name: more colours than an empty row.
first_row_written() {
  import -silent -window root -crop "150x10+$((x0 + 700))+$((y0 + 131))" +repage "$work/row.png"
  [ "$(identify -format '%k' "$work/row.png")" -gt 2 ]
}
chooser_gone() { ! xdotool search --onlyvisible --name '^Select Drive$' >/dev/null 2>&1; }
# No window of the program but the main one is as large as the file-list panel.
only_bars_or_less() {
  local id width
  for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    [ "$id" = "$MAIN" ] && continue
    width=$(xwininfo -id "$id" | awk -F: '/^ *Width/{print $2 + 0}')
    [ "$width" -lt 300 ] || return 1
  done
}

# The card is written once per build tree and copied for each run: the test removes it.
"$samplecard" "$cache/SAMPLECARD" >/dev/null
mkdir -p "$work/drives"
cp -r "$cache/SAMPLECARD" "$work/drives/"

start_window_manager
offline_session "$work" "$work/drives"
"$rodemir" >"$work/out.txt" 2>&1 &
app=$!
pids+=($app)

until_ok 30 "the main window did not appear" main_shown
until_ok 20 "the drive chooser did not come up" isnt chooser_gone
chooser=$(xdotool search --onlyvisible --name '^Select Drive$' | head -n1)
xdotool windowfocus --sync "$chooser" 2>/dev/null || xdotool windowfocus "$chooser"
xdotool key Return
until_ok 10 "Enter did not confirm the drive chooser" chooser_gone

read -r W H < <(xdpyinfo | awk '/dimensions:/{split($2, d, "x"); print d[1], d[2]}')
VIDEO="0 $((H / 4)) $W $((H / 2))"  # the full window's video: its clock and colour strip move
ELAPSED="20 $((H - 19)) 50 15"                      # the control bar's elapsed time
FILE_LIST_BUTTON="$((W - 57)) $((H - 36)) 37 28"

# A recording plays in the full window.
read -r x0 y0 < <(corner)
until_ok 15 "the list shows no recording" first_row_written
click_normal 760 136 2
changes 20 "the double-click plays the first recording" $((x0 + 100)) $((y0 + 150)) 400 250
click_normal 665 64
until_ok 15 "the extend button did not fill the screen" size_is "${W}x$H"
echo "ok: the full window fills the screen"

# Space, Left and Right with the bars up, brought by the top strip: the keys act on
# playback and the full window stays.
xdotool mousemove $((W / 2)) $((H / 2))
xdotool mousemove $((W / 2)) 10
until_ok 10 "the top bar did not come at the top edge" not_black $((W - 38)) 20
until_ok 10 "the control bar did not come with the top bar" not_black $((W - 38)) $((H - 22))
xdotool key space
until_ok 10 "Space with the bars shown did not pause in the full window" paused_in_full_window
echo "ok: Space with the bars shown pauses and the full window stays"
paused=$(fingerprint $ELAPSED)
xdotool key Right
until_ok 10 "Right with the bars shown did not move on" isnt looks "$paused" $ELAPSED
echo "ok: Right with the bars shown moves on"
xdotool key Left
until_ok 10 "Left with the bars shown did not go back" looks "$paused" $ELAPSED
echo "ok: Left with the bars shown goes back"
xdotool key space
changes 10 "Space with the bars shown plays again" $VIDEO
size_is "${W}x$H" || fail "Space with the bars shown left the full window"
echo "ok: the full window stays through Space, Left and Right"

# The file-list panel open over the control bar when the card goes: the normal window
# comes back without the panel, and the bar's button that opened it is released.
xdotool mousemove $((W / 2)) $((H / 2))
xdotool mousemove $((W / 2)) $((H - 10))
until_ok 10 "the bars did not stay for the bottom edge" not_black $((W - 38)) $((H - 22))
released=$(fingerprint $FILE_LIST_BUTTON)
xdotool mousemove $((W - 38)) $((H - 22)) click 1
until_ok 10 "the file-list panel did not open" not_black $((W - 163)) $((H - 344))
xdotool mousemove $((W / 2)) $((H - 10))
mv "$work/drives/SAMPLECARD" "$work/removed"
until_ok 15 "removing the card did not bring the normal window back" size_is 1022x682
until_ok 10 "the file-list panel stayed after the card went" only_bars_or_less
echo "ok: removing the card in the full window takes the file-list panel away"
click_normal 665 64
until_ok 15 "the extend button did not fill the screen again" size_is "${W}x$H"
xdotool mousemove $((W / 2)) $((H / 2))
xdotool mousemove $((W / 2)) $((H - 10))
until_ok 10 "the bars did not come again" not_black $((W - 38)) $((H - 22))
until_ok 5 "the file-list button stayed pressed after the card went" looks "$released" $FILE_LIST_BUTTON
echo "ok: the file-list button is released"
kill -0 "$app" 2>/dev/null || fail "the program ended"
