# Helpers of the end-to-end scripts: reading screenshot pixels and checking them.
pixel() {  # pixel <png> <x> <y> -> RRGGBB
  convert "$1" -format "%[hex:u.p{$2,$3}]" info: | cut -c1-6
}
expect() {  # expect <png> <x> <y> <RRGGBB> <what>
  local got
  got=$(pixel "$1" "$2" "$3")
  if [ "$got" != "$4" ]; then
    echo "FAIL: $5 at ($2,$3): expected $4, got $got" >&2
    exit 1
  fi
  echo "ok: $5"
}
differ() {  # differ <png> <x1> <y1> <x2> <y2> <what>
  if [ "$(pixel "$1" "$2" "$3")" = "$(pixel "$1" "$4" "$5")" ]; then
    echo "FAIL: $6" >&2
    exit 1
  fi
  echo "ok: $6"
}
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
wait_for_window() {  # wait_for_window <title>
  poll 10 xdotool search --name "$1" >/dev/null 2>&1 || true
  sleep 1
}
wait_for_exit() {  # wait_for_exit <pid> <what>
  if ! poll 5 bash -c "! kill -0 $1 2>/dev/null"; then
    echo "FAIL: $2" >&2
    exit 1
  fi
}
