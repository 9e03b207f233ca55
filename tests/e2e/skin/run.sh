#!/usr/bin/env bash
# Shows the skinned controls through the GTK presenter, hovers and clicks them with
# xdotool and checks colours on screenshots. Usage: run.sh <skin_e2e_app> [screenshot.png]
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
app=$1
keep=${2:-}
work=$(mktemp -d)
RODEMIR_PRESENTER=gtk "$app" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

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

for _ in $(seq 1 100); do
  xdotool search --name "Skin Controls" >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
# The dialog's client area starts at (100, 100). Hover the play button.
xdotool mousemove 138 140
sleep 1
import -window root "$work/shot.png"
[ -n "$keep" ] && cp "$work/shot.png" "$keep"
expect "$work/shot.png" 400 285 1B1B1B "dialog background"
differ "$work/shot.png" 183 134 219 134 "the checked rear view differs from the front view"
differ "$work/shot.png" 123 131 183 134 "the hovered play button differs from the front view"
differ "$work/shot.png" 180 200 400 200 "the seek slider's filled part differs from its channel"

# The close button ends the dialog.
xdotool mousemove 581 122 click 1
for _ in $(seq 1 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
  echo "FAIL: the dialog did not close" >&2
  exit 1
fi
wait $pid
echo "ok: dialog closed"
