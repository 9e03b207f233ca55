# The desktop the real program is driven on: its own X server, a window manager, and a
# session that stays offline, plays sound into nothing and keeps its files in one folder.
# The scripts that source it keep the processes they start in the array $pids.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# own_display <script> <args...>: runs the script again on a new X server when there is none.
# The server is never reset: a reset when the last client leaves re-reads its access list,
# and a window manager connecting just then is refused.
own_display() {
  if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$@"
  fi
}

# Starts openbox and waits until it manages the display; what it says is kept in
# $work/wm.txt and shown when it does not come.
start_window_manager() {
  openbox --sm-disable >"$work/wm.txt" 2>&1 &
  pids+=($!)
  poll 10 window_manager_running ||
    fail "the window manager is not running (after $(scaled 10) s): $(tail -n 3 "$work/wm.txt")"
}
# The display is not reset between suites, so the root window may still name the check
# window of a window manager that has ended: the named window must be there and name itself.
window_manager_running() {
  local check
  check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # //p')
  [ -n "$check" ] && xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id # $check"
}

# offline_session <folder> [drives]: the program's documents, registry and home in the
# folder; the removable drives are the sub-folders of [drives] when it is given.
offline_session() {
  mkdir -p "$1/documents" "$1/registry" "$1/home"
  export RODEMIR_PRESENTER=gtk RODEMIR_ONLINE=0 RODEMIR_AUDIO_SINK="fakesink sync=true"
  export RODEMIR_DOCUMENTS="$1/documents" RODEMIR_REGISTRY_DIR="$1/registry"
  export HOME="$1/home" XDG_CACHE_HOME="$1/home/.cache"
  export GSETTINGS_BACKEND=memory  # the file choosers would save their settings through a session bus
  if [ -n "${2:-}" ]; then export RODEMIR_DRIVES="$2"; fi
}

# run_program <rodemir>: the program, its output in $work/out.txt, its pid in $app, the
# time it started in $started.
run_program() {
  started=$(date +%s.%N)
  "$1" >"$work/out.txt" 2>&1 &
  app=$!
  pids+=($app)
}

# open_work: a scratch folder, $work, removed at exit with what the script started. When
# RODEMIR_E2E_SHOTS is set, its screenshots are first copied into a folder there named
# after the suite's.
open_work() {
  work=$(mktemp -d)
  scratch=$work
  pids=()
  trap close_work EXIT
}
close_work() {
  stop_started
  if [ -n "${RODEMIR_E2E_SHOTS:-}" ]; then
    local keep
    keep="$RODEMIR_E2E_SHOTS/$(basename "$(dirname "$0")")"
    mkdir -p "$keep" && cp "$scratch"/*.png "$keep"/ 2>/dev/null || true
  fi
  rm -rf "$scratch"
}

# Ends what the script started and waits until it has ended: a window manager still
# closing would keep the next suite's from starting on a display the suites share.
stop_started() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do
    poll 5 not kill -0 "$p" 2>/dev/null || kill -KILL "$p" 2>/dev/null || true
  done
}
