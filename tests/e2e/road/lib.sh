# Helpers of the road: polling, window-relative pointer events and screenshots.
# Expects $work, $app and the helpers of common.sh.

fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/out.txt" ] && tail -n 20 "$work/out.txt" >&2
  exit 1
}

# wait_until <seconds> <what> <command...>: polls the command every 0.2 s.
wait_until() {
  local limit=$1 what=$2
  shift 2
  local end=$(($(date +%s) + limit))
  until "$@"; do
    [ "$(date +%s)" -lt $end ] || fail "$what (after ${limit} s)"
    sleep 0.2
  done
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

# shot <name>: a screenshot of the whole screen, $work/<name>.png.
shot() { import -window root "$work/$1.png"; }

# Colour at a point of the main window's client area in the last screenshot.
at() { pixel "$work/$1.png" $((X0 + $2)) $((Y0 + $3)); }

click() { xdotool mousemove $((X0 + $1)) $((Y0 + $2)) click 1; }
dblclick() { xdotool mousemove $((X0 + $1)) $((Y0 + $2)) click --repeat 2 --delay 80 1; }

# crop <name> <x> <y> <w> <h>: a part of the main window, as <name>-crop.png.
crop() { convert "$work/$1.png" -crop "$4x$5+$((X0 + $2))+$((Y0 + $3))" +repage "$work/$1-crop.png"; }

# A fingerprint of a region of the main window in a new screenshot.
region_sum() {
  shot region
  crop region "$@"
  md5sum <"$work/region-crop.png" | cut -c1-32
}

# wait_change <seconds> <what> <x> <y> <w> <h>: a region of the window differs from how it
# looks now.
wait_change() {
  local limit=$1 what=$2
  shift 2
  local before
  before=$(region_sum "$@")
  local end=$(($(date +%s) + limit))
  until [ "$(region_sum "$@")" != "$before" ]; do
    [ "$(date +%s)" -lt $end ] || fail "$what (after ${limit} s)"
    sleep 0.2
  done
  echo "ok: $what"
}

# Closing: the close button ends the process with status 0.
step_close() {
  click 990 25
  wait_until 20 "the close button did not end the program" bash -c "! kill -0 $app 2>/dev/null"
  local status=0
  wait $app || status=$?
  [ $status -eq 0 ] || fail "exit status $status after the close button"
  echo "ok: the close button ends the program with status 0"
}

# Start: the main window shows its skin with an empty video pane.
step_start() {
  main_window
  shot start
  expect "$work/start.png" $((X0 + 300)) $((Y0 + 250)) 000000 "the video pane is black before playing"
  expect "$work/start.png" $((X0 + 500)) $((Y0 + 20)) 242424 "the title bar has the skin's colour"
  echo "ok: started in $(elapsed) s"
}
elapsed() { awk -v now="$(date +%s.%N)" -v t0="$started" 'BEGIN { printf "%.1f", now - t0 }'; }
