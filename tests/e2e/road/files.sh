# What the program writes: the stills, the copy of a checked recording, the split files.

# jpeg_ok <file>: a JPEG picture of a sane size.
jpeg_ok() {
  [ -s "$1" ] && [ "$(stat -c %s "$1")" -gt 2000 ] &&
    identify -format '%m %w %h' "$1" 2>/dev/null | awk '$1 == "JPEG" && $2 >= 320 && $3 >= 180 { ok = 1 } END { exit !ok }'
}
# video_frames <file> <stream>: the number of frames of the file's video stream.
video_frames() {
  ffprobe -v error -select_streams "v:$2" -count_packets -show_entries stream=nb_read_packets -of csv=p=0 "$1" 2>/dev/null
}

# Capture, on the first recording played afresh: the save dialog proposes the stills' name
# in the documents folder; Enter takes it, and the front and rear stills are written there.
# Then the user pauses, so that the recordings to copy and split are not playing.
step_capture() {
  dblclick $(row 0)
  wait_change 20 "the first recording plays afresh" $ELAPSED_LABEL
  click $BTN_CAPTURE
  wait_window 15 '^Save$' "the capture's save dialog did not open"
  keys_to "$WIN" Return
  wait_gone 10 "$WIN" "Enter did not close the capture's save dialog"
  local shots="$work/documents/RODEMIR"
  wait_until 10 "no front still in the documents folder" stills_written "$shots" front
  wait_until 10 "no rear still in the documents folder" stills_written "$shots" rear
  echo "ok: capture writes the front and rear stills: $(cd "$shots" && ls -- *.jpg | tr '\n' ' ')"
  wait_change 10 "the picture plays on after the capture" $VIDEO_AREA
  click $BTN_PLAY
  wait_until 10 "pause did not hold the picture" region_same_for 1 $VIDEO_AREA
}
stills_written() {
  local f
  for f in "$1"/20240131_101500_IMG_C2_*_"$2".jpg; do jpeg_ok "$f" && return 0; done
  return 1
}

# A checked recording (the parking one, fourth row) is copied to a folder chosen in the
# folder chooser, then deleted after its confirmation.
step_copy_delete() {
  local name=20240131_220010_MOT_C1.AVI
  check_row 3
  click $BTN_SAVE
  wait_window 15 '^Save$' "the folder chooser did not open"
  # Out of the recent files, to the home folder, then the folder's path typed.
  keys_to "$WIN" alt+Home ctrl+l
  xdotool type --delay 20 "$work/copies"
  keys_to "$WIN" Return
  wait_until 10 "the folder chooser did not take the typed folder" chooser_answered
  wait_until 30 "the checked recording was not copied" cmp -s "$card/Parking/$name" "$work/copies/$name"
  echo "ok: the checked recording is copied to the chosen folder"
  click $BTN_DELETE
  wait_window 15 '^RODEMIR$' "the delete confirmation did not open"
  keys_to "$WIN" Return
  wait_until 15 "the checked recording was not deleted" not test -e "$card/Parking/$name"
  wait_rows 4 "the deleted recording leaves the list"
  cmp -s "$cache/SAMPLECARD/Driving/20240131_101500_NOR_C2.AVI" "$card/Driving/20240131_101500_NOR_C2.AVI" ||
    fail "a recording that was not checked changed"
  echo "ok: the checked recording is deleted after its confirmation, the others stay"
}
# check_row <row>: a click on the row's check box changes how the box looks.
check_row() {
  local y
  y=$(row_y "$1")
  local before
  before=$(region_sum $((CHECK_X - 15)) $((y - 8)) 30 16)
  click "$CHECK_X" "$y"
  wait_until 10 "the check box of row $1 did not change" not same_sum "$before" $((CHECK_X - 15)) $((y - 8)) 30 16
  echo "ok: row $1 checked"
}
# The chooser is gone; Enter once more when it went into the typed folder instead.
chooser_answered() {
  xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$WIN" || return 0
  keys_to "$WIN" Return
  sleep 0.5
  return 1
}

# The split of a checked two-camera recording (the event one, second row): both cameras
# ticked, Start, the real converter writes _Front.avi and _Rear.avi into the documents
# folder, each with the video of its camera.
step_split() {
  check_row 1
  split_checked
  local out="$work/documents/RODEMIR/20240131_101542_EVT_C2"
  split_written "$out" || fail "the split did not write both files, each with video"
  echo "ok: the split writes ${out##*/}_Front.avi and _Rear.avi, each with video"
}
# split_checked: the checked recordings split into both cameras; Start turns into Complete
# once both converters ended well, and Complete closes the dialog.
split_checked() {
  open_split
  start_split
  wait_until 60 "the split did not end with Complete" split_completed "$split"
}
# open_split: the split button opens the split dialog centred over the main window; its
# window in $split, its place in WX WY WW WH.
open_split() {
  click $BTN_SPLIT
  wait_window 15 '^Split$' "the split dialog did not open"
  split=$WIN
  centred_over_main "$split" "the split dialog"
}
# Both cameras ticked and Start.
start_split() {
  split_click $SPLIT_FRONT
  split_click $SPLIT_REAR
  split_click $SPLIT_START
}
# The split dialog's controls, "x y" in its template's dialog units.
SPLIT_FRONT="51 32"
SPLIT_REAR="103 32"
SPLIT_START="60 67"
SPLIT_CANCEL="118 67"
SPLIT_BAR="9 46"
# split_point <x> <y>: a point of the split dialog given in dialog units, on the screen.
split_point() { echo $((WX + WW * $1 / 179)) $((WY + WH * $2 / 81)); }
split_click() { click_at $(split_point "$1" "$2"); }
split_completed() {
  xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1" || return 0
  split_click $SPLIT_START
  sleep 0.5
  return 1
}
split_written() {
  local f r
  f=$(video_frames "$1_Front.avi" 0)
  r=$(video_frames "$1_Rear.avi" 0)
  [ "${f:-0}" -gt 200 ] && [ "${r:-0}" -gt 200 ] && ! cmp -s "$1_Front.avi" "$1_Rear.avi"
}
