# The split step of the timed road, and the converter run alone on the same recording
# with the splitter's parameters.

at_split() { at_window Split "$@"; }

# Both cameras checked, Start timed to "Complete" (Cancel greys out only then); the
# converter alone right after.
road_split() {
  timed split-to-dialog window Split -- xdotool mousemove $(at_screen $BTN_SPLIT) click 1
  xdotool mousemove $(at_split 75 51) click 1 mousemove $(at_split 153 51) click 1
  local cancel
  cancel=$(at_split 142 100)
  sync
  timed split-start-to-complete change $cancel 70 16 -- xdotool mousemove $(at_split 90 108) click 1
  local base=${name%.*}
  [ -s "$work/documents/RODEMIR/${base}_Front.avi" ] && [ -s "$work/documents/RODEMIR/${base}_Rear.avi" ] ||
    fail "the split wrote no front and rear files"
  sync
  timed converter-alone file "$work/alone/done" 0 -- bash -c "$(converter_alone "$base")"
  local camera
  for camera in Front Rear; do
    cmp -s "$work/documents/RODEMIR/${base}_$camera.avi" "$work/alone/${base}_$camera.avi" ||
      fail "the split's $camera file differs from the converter's own"
  done
  xdotool mousemove $(at_split 90 108) click 1
  "$watch" --timeout 20 gone Split -- >/dev/null || fail "the split dialog stayed after Complete"
}

# The splitter's two converter lines, run at once as the splitter runs them.
converter_alone() {
  local out=$work/alone/$1
  local quiet="</dev/null >/dev/null 2>&1"
  echo "ffmpeg -i '$recording' -y -map 0:0 -map 0:2 -vcodec copy -acodec copy '${out}_Front.avi' $quiet &" \
    "ffmpeg -i '$recording' -y -map 0:1 -map 0:2 -vcodec copy -acodec copy '${out}_Rear.avi' $quiet &" \
    "wait && touch '$work/alone/done'"
}
