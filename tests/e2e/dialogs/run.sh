#!/usr/bin/env bash
# Answers the test program's message box (Enter: OK), cancels its first folder browser
# (Escape), accepts the second (Enter: the preselected folder) and the third (Enter: with
# nothing preselected, the home folder), all through xdotool. The message box must open
# over its owner. Usage: run.sh <dialogs_e2e_app>
set -euo pipefail
. "$(dirname "$0")/../desktop.sh"
own_display "$0" "$@"
app=$1
open_work
mkdir "$work/chosen" "$work/home"
HOME="$work/home" GSETTINGS_BACKEND=memory "$app" "$work/chosen" >"$work/out.txt" &
pid=$!
pids+=($pid)
# answer <window name> <key> [check]: waits for the dialog, runs the check on it, focuses it
# and presses the key.
answer() {
  wait_window 10 "^$1\$" "no window named '$1'"
  local id=$WIN
  [ -z "${3:-}" ] || "$3" "$1"
  keys_to "$id" "$2"
  # The next dialog may carry the same name: wait until this one is gone.
  wait_gone 10 "$id" "'$1' stayed after $2"
  echo "ok: '$1' answered with $2"
}

# centre <window id>: the centre of the window on the screen, "x y".
centre() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2}
    END{print int(x + w / 2), int(y + h / 2)}'
}

# over_owner <window name>: the window's centre comes near its owner's (a window
# manager's frame may shift it a little).
over_owner() {
  poll 5 near_owner "$1" || fail "'$1' opened with its centre $APART from its owner's, not over it"
  echo "ok: '$1' opens over its owner (centres $APART apart)"
}
near_owner() {  # the centres at most 40 pixels apart each way; "dx dy" in APART
  APART=$(centres_apart "$1")
  local dx=${APART% *} dy=${APART#* }
  [ ${dx#-} -le 40 ] && [ ${dy#-} -le 40 ]
}
centres_apart() {  # prints "dx dy" from the owner's centre to the window's
  local id owner bx by ox oy
  id=$(xdotool search --onlyvisible --name "^$1\$" | head -n1)
  owner=$(xdotool search --onlyvisible --name '^E2E owner$' | head -n1)
  read -r bx by < <(centre "$id")
  read -r ox oy < <(centre "$owner")
  echo $((bx - ox)) $((by - oy))
}

answer "Dialogs E2E" Return over_owner
answer "Browse Folders" Escape over_owner
answer "Browse Folders" Return
answer "Browse Folders" Return

wait_for_exit $pid "the test program did not end after its dialogs"
status=0
wait $pid || status=$?
cat "$work/out.txt"
grep -q "^box=1 ticks=yes$" "$work/out.txt" || fail "message box"
grep -q "^first=(cancelled)$" "$work/out.txt" || fail "cancelled browser"
grep -q "^second=$work/chosen ticks=yes$" "$work/out.txt" || fail "accepted browser"
grep -q "^third=$work/home$" "$work/out.txt" || fail "the browser did not open on the home folder"
[ $status -eq 0 ] || fail "exit status $status"
echo "ok: dialogs answered"
