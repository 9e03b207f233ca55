# Playing: the double-click, the transport buttons, the seek slider, the views and the flips.

# The kind of colour at a point of the main window in a new screenshot: dark, red, green, blue,
# yellow, cyan, magenta, white or other (decoded video is never exact).
hue_at() {
  local rgb hi="" lo="" v
  grab hue "$1" "$2" 1 1
  rgb=$(pixel "$work/hue.png" 0 0)
  for v in $((16#${rgb:0:2})) $((16#${rgb:2:2})) $((16#${rgb:4:2})); do
    hi+=$((v > 176)) lo+=$((v < 80))
  done
  case "$hi $lo" in
    "000 111") echo dark ;; "111 000") echo white ;;
    "100 011") echo red ;; "010 101") echo green ;; "001 110") echo blue ;;
    "110 001") echo yellow ;; "011 100") echo cyan ;; "101 010") echo magenta ;;
    *) echo other ;;
  esac
}
hue_is() { [ "$(hue_at "$1" "$2")" = "$3" ]; }
# expect_hue <x> <y> <hue> <what>: polls until the point shows the hue.
expect_hue() {
  wait_until 10 "$4: expected $3 at ($1,$2), got $(hue_at "$1" "$2")" hue_is "$1" "$2" "$3"
  echo "ok: $4"
}

# The three speed digits as fingerprints, "a b c".
SPEED_X=830
SPEED_Y=643
speed_digits() {
  grab speed "$SPEED_X" "$SPEED_Y" 30 15
  convert "$work/speed.png" -crop 10x15 +repage -format '%#\n' info: | cut -c1-12 | tr '\n' ' '
}
# digits_like <pattern>: the digits repeat as in the pattern, e.g. "aba" for 040, "abb" for 055.
digits_like() {
  local d
  read -ra d < <(speed_digits)
  local got
  got=$( [ "${d[0]}" = "${d[1]}" ] && echo -n a || echo -n x
         [ "${d[1]}" = "${d[2]}" ] && echo -n a || echo -n x
         [ "${d[0]}" = "${d[2]}" ] && echo -n a || echo -n x )
  case $1 in
    aba) [ "$got" = xxa ] ;;
    abb) [ "$got" = xax ] ;;
  esac
}

# Pixels of the curves' colour in the sensor panel, and the rightmost column that has one.
curve_extent() {
  grab curves $SENSOR_PANEL
  convert "$work/curves.png" -fill black -fuzz 8% +opaque '#efb71a' -fill white -opaque '#efb71a' \
    -format '%[fx:int(mean*w*h)] %@' info: | awk '{ split($2, g, /[x+]/); print $1, g[1] + g[3] }'
}

# A double-click on the first row plays it: the picture moves, the curves of its sensor data
# show over the whole panel, the speed digits move on.
step_play() {
  dblclick $(row 0)
  wait_change 20 "the double-click plays: the front pane shows changing pictures" $VIDEO_AREA
  wait_until 5 "the top row of buttons is blank after opening" top_row_painted
  echo "ok: the top row of buttons shows after opening"
  wait_change 10 "the pictures go on changing" $VIDEO_AREA
  wait_change 10 "the elapsed time moves" $ELAPSED_LABEL
  expect_hue 20 250 dark "the front camera shows (its dark left edge)"
  wait_until 10 "no sensor curves while playing" curves_over 300
  echo "ok: the sensor curves show across the panel ($(curve_extent))"
  wait_change 10 "the speed digits move on" "$SPEED_X" "$SPEED_Y" 30 15
}
# curves_over <columns>: the curves reach that far right.
curves_over() {
  local n right
  read -r n right < <(curve_extent)
  [ "$n" -gt 200 ] && [ "$right" -gt "$1" ]
}

# Pause holds the picture; the slider seeks, and the speed digits show the sensor data of
# the place sought (40 km/h at the start, 55 at 15 s); play goes on; next and previous
# change the recording. The first row plays afresh, paused at once: a recording that ends
# moves on to the next by itself.
step_transport() {
  dblclick $(row 0)
  wait_change 20 "the first recording plays afresh" $ELAPSED_LABEL
  wait_until 5 "the top row of buttons is blank after opening while playing" top_row_painted
  echo "ok: the top row of buttons shows after opening while playing"
  click $BTN_PLAY
  wait_until 10 "pause did not hold the picture" region_same_for 1 $VIDEO_AREA
  echo "ok: pause holds the picture"
  local first curves
  first=$(region_sum $NAME_LABEL)
  curves=$(curve_extent)
  click $SEEK_START
  wait_until 10 "the speed did not show 40 at the start" digits_like aba
  echo "ok: seeking to the start shows the speed there (040)"
  click $SEEK_15S
  wait_until 10 "the speed did not show 55 at 15 s" digits_like abb
  echo "ok: seeking to 15 s shows the speed there (055)"
  click $BTN_PLAY
  wait_change 10 "play goes on after the pause" $VIDEO_AREA
  click $BTN_NEXT
  wait_until 15 "next did not show another recording's name" not same_sum "$first" $NAME_LABEL
  # Paused only once it plays: its elapsed time is shown, then moves.
  wait_change 10 "the next recording's elapsed time shows" $ELAPSED_LABEL
  wait_change 10 "the next recording plays" $ELAPSED_LABEL
  click $BTN_PLAY
  echo "ok: next opens the next recording: its name shows"
  wait_until 10 "the next recording's curves did not show" curves_differ_from "$curves"
  echo "ok: the next recording's curves show (its shorter time)"
  click $BTN_PREV
  wait_until 15 "previous did not bring the first recording's name back" same_sum "$first" $NAME_LABEL
  echo "ok: previous goes back to the first recording"
  wait_change 10 "the first recording plays again" $VIDEO_AREA
}
# The top row (views, flips, capture, full window) shows its faces, not the bare
# background (1b1b1b) under them; the pointer is elsewhere, so no hover repaints them.
top_row_painted() {
  shot row
  local x
  for x in 440 475 510 550 585 620 655; do
    [ "$(at row "$x" 70)" != 1B1B1B ] || return 1
  done
}
curves_differ_from() { [ "$(curve_extent)" != "$1" ] && curves_over 100; }

region_same_for() {  # region_same_for <seconds> <x> <y> <w> <h>: the region stays as it is
  local a b
  a=$(region_sum "${@:2}")
  sleep "$1"
  b=$(region_sum "${@:2}")
  [ "$a" = "$b" ]
}

# The slider's start: the playing recording goes on from there, so a slow build has its
# whole length for the checks that follow before the list moves on to the next one.
from_the_start() { click $SEEK_START; }

# The rear view shows the other camera (red at its left edge, its clock at the top left);
# the flips turn and mirror it; both views show side by side; front again.
step_views() {
  from_the_start
  click $BTN_REAR
  expect_hue 20 250 red "the rear view shows the rear camera"
  expect_hue 20 92 dark "the rear camera's clock is at the top left"
  from_the_start
  click $BTN_ROTATE
  expect_hue 20 450 dark "the vertical flip turns the rear picture: its clock at the bottom"
  click $BTN_REVERSE
  expect_hue 20 250 cyan "the horizontal flip mirrors the rear picture: cyan at the left"
  click $BTN_REVERSE
  click $BTN_ROTATE
  expect_hue 20 250 red "the flips turned off again"
  expect_hue 20 92 dark "the rear camera's clock back at the top left"
  from_the_start
  click $BTN_BOTH
  expect_hue 10 272 dark "both views: the front camera at the left"
  expect_hue 360 272 red "both views: the rear camera at the right"
  wait_change 10 "both panes show changing pictures: front" 10 180 330 180
  wait_change 10 "both panes show changing pictures: rear" 355 180 330 180
  click $BTN_FRONT
  expect_hue 20 250 dark "the front view fills the pane again"
  expect_hue 680 250 white "the front view covers the whole pane (white at its right)"
}
