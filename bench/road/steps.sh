# Steps of the timed road. Each timed step runs one pointer or key event through road_watch
# and records the milliseconds until its end shows. Expects $watch, $work, $figures, X0/Y0
# (the main window's corner) and the helpers of tests/e2e/road/lib.sh.

# timed <figure> [--after-command] <condition...> -- <command...>
timed() {
  local figure=$1 ms
  shift
  ms=$("$watch" --timeout 120 "$@") || fail "$figure: its end did not show"
  echo "$figure $ms" >>"$figures"
  echo "  $figure: $ms ms"
}

# A point or region of the main window on the screen.
at_screen() { echo $((X0 + $1)) $((Y0 + $2)); }
region() { echo $((X0 + $1)) $((Y0 + $2)) "$3" "$4"; }

# window <name>: the shown window of that name, in WIN.
window() { window_named "^$1\$" || fail "no window named $1"; }

# at_window <name> <x> <y>: a point of another window on the screen.
at_window() {
  window "$1"
  window_box "$WIN"
  echo $((WX + $2)) $((WY + $3))
}

# From the program's start to the recording list shown, through the drive chooser.
road_start() {
  timed start-to-chooser window "Select Drive" --
  main_window >/dev/null
  window "Select Drive"
  focus "$WIN"
  timed chooser-enter-to-list change $(region 700 129 300 16) -- xdotool key Return
  awk '$1 == "start-to-chooser" { a = $2 } $1 == "chooser-enter-to-list" { b = $2 } END { print "start-to-list", a + b }' \
    <(tail -n 2 "$figures") | tee -a "$figures" | sed 's/^/  /; s/$/ ms (the two above)/'
}

# A double-click on the first row, timed from its second click to the first picture.
road_play() {
  timed double-click-to-frame --after-command change $(region $VIDEO_AREA) -- \
    xdotool mousemove $(at_screen $(row 0)) click --repeat 2 --delay 80 1
}

# Paused, a click on the seek slider shows the picture at the new place.
road_seek() {
  click $BTN_PLAY
  "$watch" --timeout 20 still $(region $VIDEO_AREA) 600 -- >/dev/null || fail "pause did not hold the picture"
  timed seek-to-frame change $(region $VIDEO_AREA) -- xdotool mousemove $(at_screen $SEEK_15S) click 1
  click $BTN_PLAY
}

# Capture: the save dialog, then Enter to both stills written into the documents folder.
road_capture() {
  timed capture-to-dialog window Save -- xdotool mousemove $(at_screen $BTN_CAPTURE) click 1
  window Save
  focus "$WIN"
  timed capture-enter-to-stills jpegs "$work/documents/RODEMIR" 2 -- xdotool key Return
  "$watch" --timeout 20 gone Save -- >/dev/null || fail "the save dialog stayed"
}

# Earlier writes are flushed before each timed write, so that none pays for another.

# Copy of the checked recording: the folder dialog, then its Enter to the whole copy; cp of
# the same file right after, for comparison, alone and flushed to the disk as the
# program's copy is before it takes its name.
road_copy() {
  click $CHECK_X "$(row_y 0)"
  timed copy-to-dialog window Save -- xdotool mousemove $(at_screen $BTN_SAVE) click 1
  window Save
  # The chooser opens on its recent files, where a typed folder cannot be chosen.
  keys_to "$WIN" alt+Home ctrl+l
  xdotool type --delay 5 "$work/copies/"
  sync
  timed copy-enter-to-copied file "$work/copies/$name" "$size" -- xdotool key Return
  sync
  timed cp-alone file "$work/cp/$name" "$size" -- cp "$recording" "$work/cp/$name"
  sync
  timed cp-and-flush file "$work/cp/flushed" "$size" -- \
    bash -c "cp '$recording' '$work/cp/flushing' && sync --data '$work/cp/flushing' && mv '$work/cp/flushing' '$work/cp/flushed'"
  cmp -s "$recording" "$work/copies/$name" || fail "the copy differs from the recording"
}
