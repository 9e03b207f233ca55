# The maps, the information window and the card's removal.

# Where the large map's layout puts the information button, "x y w h".
LARGE_MAP_INFO="150 12 37 28"

# The small map (offline the list stops above its place and the map buttons and the speed
# move up beside it); the large map covers the window and its button brings the small one
# back; the small map's button hides it.
step_maps() {
  local list_bottom
  list_bottom=$(region_sum 700 440 300 30)
  click $BTN_SHOWMAP
  wait_until 10 "the speed did not move up beside the small map" not region_same_for 1 830 445 30 15
  echo "ok: the small map: the speed shows beside it"
  SPEED_Y=445
  [ "$(region_sum 700 440 300 30)" != "$list_bottom" ] || fail "the list did not stop above the small map"
  echo "ok: the list stops above the small map"
  local corner
  corner=$(region_sum $LARGE_MAP_INFO)
  click $BTN_LARGEMAP_BY_MAP
  wait_until 10 "the large map did not take the window" large_map_shown "$corner"
  echo "ok: the large map takes the window: no list, the information button beside the title"
  click $BTN_REDUCEMAP
  wait_until 10 "the large map's button did not bring the small map back" same_sum "$corner" $LARGE_MAP_INFO
  wait_rows 5 "the list is back beside the small map"
  wait_change 10 "the pictures play beside the small map again" $VIDEO_AREA
  click $BTN_SHOWMAP_BY_MAP
  SPEED_Y=643
  wait_until 10 "the speed did not move back under the list" not region_same_for 1 830 643 30 15
  echo "ok: the small map hides again"
}
# The large map hides the list; the information button moves beside the title.
large_map_shown() { not same_sum "$1" $LARGE_MAP_INFO && rows_are 0; }

# The information window opens over the main window with the card's figures: five values,
# the recordings' sizes alike (0.0 GB), the card's total size another figure.
step_information() {
  click $BTN_INFORMATION
  wait_until 15 "the information window did not open" information_shown
  centred_over_main "$INFO" "the information window"
  shot information
  local total normal event
  total=$(info_value 143 66)
  normal=$(info_value 87 126)
  event=$(info_value 76 146)
  [ "$normal" = "$event" ] || fail "the normal and event figures differ (both should be 0.0 GB)"
  [ "$total" != "$normal" ] || fail "the total size shows the same figure as the recordings"
  local kinds
  kinds=$(convert "$work/information.png" -crop "40x13+$((WX + 87))+$((WY + 127))" +repage -format %k info:)
  [ "$kinds" -gt 2 ] || fail "the information window shows no figures"
  echo "ok: the information window shows the card's figures"
  click_at $((WX + 320)) $((WY + 15))
  wait_gone 10 "$INFO" "the information window's close button did not close it"
  echo "ok: its close button closes it"
}
# The information window: the program's other window of its size, in INFO and WX WY.
information_shown() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    [ "$id" = "$MAIN" ] && continue
    window_box "$id"
    [ "$WW" = 338 ] && [ "$WH" = 308 ] && INFO=$id && return 0
  done
  return 1
}
# The fingerprint of a value's box of the information window (the text starts at its left).
info_value() {
  convert "$work/information.png" -crop "50x13+$((WX + $1))+$((WY + $2 + 1))" +repage -format '%#' info:
}

# The card goes while a recording plays: the program stays, with nothing open, and the list
# empty; the name, the times and the picture look as they did before anything played.
step_card_removed() {
  mv "$card" "$work/removed-card"
  wait_rows 0 "removing the card empties the list"
  wait_until 10 "the picture did not stop when the card went" region_same_for 1 $VIDEO_AREA
  kill -0 "$app" 2>/dev/null || fail "the program ended when the card went"
  wait_until 10 "the window did not come back to nothing open" nothing_open_looks
  echo "ok: removing the card leaves the program with nothing open"
}
# The name, the times and the picture as after the start: NOTHING_OPEN from nothing_open_sum.
nothing_open_sum() {
  echo "$(region_sum $NAME_LABEL) $(region_sum $ELAPSED_LABEL) $(region_sum $DURATION_LABEL) $(region_sum $VIDEO_AREA)"
}
nothing_open_looks() { [ "$(nothing_open_sum)" = "$NOTHING_OPEN" ]; }
