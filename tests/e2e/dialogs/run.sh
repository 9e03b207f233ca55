#!/usr/bin/env bash
# Answers the test program's message box (Enter: OK), cancels its first folder browser
# (Escape) and accepts the second (Enter: the preselected folder), all through xdotool.
# Usage: run.sh <dialogs_e2e_app>
set -euo pipefail
. "$(dirname "$0")/../desktop.sh"
own_display "$0" "$@"
app=$1
work=$(mktemp -d)
mkdir "$work/chosen"
"$app" "$work/chosen" >"$work/out.txt" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

# answer <window name> <key>: waits for the dialog, focuses it and presses the key.
answer() {
  local id=""
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  if [ -z "$id" ]; then
    echo "FAIL: no window named '$1'" >&2
    exit 1
  fi
  sleep 1
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  xdotool key "$2"
  # The next dialog may carry the same name: wait until this one is gone.
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -qx "$id" || break
    sleep 0.1
  done
  echo "ok: '$1' answered with $2"
}

answer "Dialogs E2E" Return
answer "Browse Folders" Escape
answer "Browse Folders" Return

for _ in $(seq 1 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
status=0
wait $pid || status=$?
cat "$work/out.txt"
grep -q "^box=1 ticks=yes$" "$work/out.txt" || { echo "FAIL: message box" >&2; exit 1; }
grep -q "^first=(cancelled)$" "$work/out.txt" || { echo "FAIL: cancelled browser" >&2; exit 1; }
grep -q "^second=$work/chosen ticks=yes$" "$work/out.txt" || { echo "FAIL: accepted browser" >&2; exit 1; }
[ $status -eq 0 ] || { echo "FAIL: exit status $status" >&2; exit 1; }
echo "ok: dialogs answered"
