#!/usr/bin/env bash
# Shows the test dialog through the GTK presenter, clicks it with xdotool and checks
# colours on screenshots. Usage: run.sh <window_e2e_app>
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
app=$1
work=$(mktemp -d)
RODEMIR_PRESENTER=gtk "$app" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

# The dialog sits at (100, 100); its client area starts there (no frame).
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
shot() {
  import -window root "$work/$1.png"
}

for _ in $(seq 1 100); do
  xdotool search --name "Window E2E" >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
shot before
expect "$work/before.png" 105 105 14143C "dialog background"
expect "$work/before.png" 160 160 DC0000 "red pane"
expect "$work/before.png" 320 160 0000DC "blue pane"
expect "$work/before.png" 160 300 E6E600 "yellow pane"

xdotool mousemove 160 160 click 1
sleep 1
shot after
expect "$work/after.png" 160 160 00C800 "clicked pane turned green"
expect "$work/after.png" 320 160 0000DC "blue pane unchanged"

xdotool mousemove 160 300 click 1
for _ in $(seq 1 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
  echo "FAIL: the dialog did not close" >&2
  exit 1
fi
wait $pid
echo "ok: dialog closed with IDOK"
