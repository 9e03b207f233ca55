#!/usr/bin/env bash
# A card written by another system, through the real program: the drive's folder, the
# home and documents folders and one recording are named with the byte 0xE9 ("é" in
# Latin-1, not UTF-8). The recording is listed, plays, is copied to the home folder chosen
# in the folder chooser and split into the documents folder, each under the same bytes.
# Usage: run.sh <rodemir> <samplecard> <card cache folder>
set -euo pipefail
. "$(dirname "$0")/../road/suite.sh"

sample_card $'KARTE\xe9'
# The last row: it sorts after the card's own five recordings.
name=$'20240202_0900\xe90_EVT_C2.AVI'
cp "$card/Event/20240131_101542_EVT_C2.AVI" "$card/Event/$name"

start_window_manager
offline_session "$work" "$work/drives"
export HOME="$work/"$'heim\xe9' RODEMIR_DOCUMENTS="$work/"$'Dokumente\xe9'
mkdir -p "$HOME" "$RODEMIR_DOCUMENTS"
export XDG_CACHE_HOME="$HOME/.cache"
# The program runs in an empty working folder, where it must make nothing.
mkdir "$work/cwd"
cd "$work/cwd"
run_program "$rodemir"

step_start
step_chooser
wait_rows 6 "the list shows the card's five recordings and the one named in Latin-1"
shot list

# Plays: the picture moves, the name shows above it.
name_before=$(region_sum $NAME_LABEL)
dblclick $(row 5)
wait_change 20 "the recording named in Latin-1 plays" $VIDEO_AREA
[ "$(region_sum $NAME_LABEL)" != "$name_before" ] || fail "the playing recording's name is not shown"
shot playing
click $BTN_PLAY
wait_until 10 "pause did not hold the picture" region_same_for 1 $VIDEO_AREA

# Copy: the folder chooser opens on the home folder, whose name is not UTF-8 either; Enter
# takes it.
check_row 5
click $BTN_SAVE
wait_window 15 '^Save$' "the folder chooser did not open"
keys_to "$WIN" Return
wait_until 10 "the folder chooser did not close" chooser_answered
wait_until 30 "the recording was not copied under its own bytes" cmp -s "$card/Event/$name" "$HOME/$name"
echo "ok: the copy lands in the chosen folder under the same bytes"

# Split: both cameras into the documents folder, under the recording's bytes.
split_checked
split_written "$RODEMIR_DOCUMENTS/RODEMIR/${name%.AVI}" || fail "the split did not write both files under the recording's bytes"
echo "ok: the split writes _Front.avi and _Rear.avi under the recording's bytes"

step_close
made=$(ls -A "$work/cwd")
[ -z "$made" ] || fail "the program made these in its working folder: $made"
[ -d "$XDG_CACHE_HOME/rodemir/web/WebKitCache" ] || fail "the browser's cache is not in the user's cache folder"
echo "ok: the browser's cache is in the user's cache folder, nothing in the working folder"
echo "ok: names that are not UTF-8 in $(elapsed) s"
