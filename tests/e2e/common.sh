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
wait_for_window() {  # wait_for_window <title>
  for _ in $(seq 1 100); do
    xdotool search --name "$1" >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 1
}
wait_for_exit() {  # wait_for_exit <pid> <what>
  for _ in $(seq 1 50); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$1" 2>/dev/null; then
    echo "FAIL: $2" >&2
    exit 1
  fi
}
