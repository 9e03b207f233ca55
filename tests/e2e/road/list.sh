# The recording list: its rows, the type filters and the day filter.

# Rows of the recording list that show a name: a written row has more colours than an
# empty one.
rows_shown() {
  grab rows $LIST_ROWS
  convert "$work/rows.png" -crop 150x20 +repage -shave 0x5 -format '%k\n' info: | awk '$1 > 2 { n++ } END { print n + 0 }'
}
rows_are() { [ "$(rows_shown)" = "$1" ]; }
wait_rows() {  # wait_rows <count> <what>
  wait_until 15 "$2: expected $1 rows, $(rows_shown) shown" rows_are "$1"
  echo "ok: $2 ($1 rows)"
}

# The list shows the card's five recordings; each type filter changes the rows.
step_list() {
  wait_rows 5 "the list shows the card's recordings"
  local filter
  for filter in "Normal BTN_FILE_NORMAL 3" "Event BTN_FILE_EVENT 1" "Parking BTN_FILE_MOTION 1" "All BTN_FILE_ALL 5"; do
    set -- $filter
    click ${!2}
    wait_rows "$3" "the $1 filter"
  done
}

# The day filter: the calendar's day of the first recordings leaves four rows; off again, five.
step_day_filter() {
  click $BTN_CALENDAR
  wait_window 15 '^Date Selection$' "the calendar did not open"
  local months=$((($(date +%Y) - 2024) * 12 + 10#$(date +%m) - 1))
  focus "$WIN"
  # Back to January 2024 a month at a time, then its last day, the 31st.
  xdotool key --delay 30 --repeat "$months" Prior
  xdotool key End Return
  wait_gone 10 "$WIN" "Enter did not close the calendar"
  wait_rows 4 "the day filter on 31 January 2024"
  click $BTN_CALENDAR
  wait_rows 5 "the day filter turned off"
}
