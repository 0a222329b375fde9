#!/usr/bin/env bash
# The session part of end_to_end.sh, run on the virtual desktop (DISPLAY set).
#   end_to_end_session.sh PROGRAM     (scratch files go to $WORK)
set -euo pipefail
program=$1
work=${WORK:?}
caption="Calculs de surfaces pour anodisation de l'aluminium"

source "$(dirname "$0")/../support/screen_checks.sh"

locate_window() {
  win_x=$(xwininfo -id "$wid" | awk '/Absolute upper-left X/ { print $4 }')
  win_y=$(xwininfo -id "$wid" | awk '/Absolute upper-left Y/ { print $4 }')
}

step "start $program"
"$program" 2>"$work/program.log" &
pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name "^${caption}\$" | head -n 1) \
  || fail "no window titled exactly \"$caption\""
[ "$(xdotool getwindowname "$wid")" = "$caption" ] || fail "window title is \"$(xdotool getwindowname "$wid")\""
xdotool windowactivate --sync "$wid"
xdotool windowfocus --sync "$wid"
locate_window
settle before

step "type 3 into Edit1, Tab to edt1, type 10, click VividButton1"
click_in "${EDIT1[@]}"
xdotool type --delay 20 "3"
xdotool key --delay 20 Tab Tab
xdotool type --delay 20 "10"
crop before "${LBL4[@]}" lbl4_before
click_in "${VIVID1[@]}"
# Wait for the new surface caption, then for the rest of the repaint.
for _ in $(seq 1 100); do
  shot after
  crop after "${LBL4[@]}" lbl4_after
  differs lbl4_before lbl4_after && break
  sleep 0.1
done
settle after

crop after "${LBL4[@]}" lbl4_after
crop before "${LABEL19[@]}" label19_before
crop after "${LABEL19[@]}" label19_after
crop after "${VIVID1[@]}" vivid1_after
differs lbl4_before lbl4_after || fail "lbl4 did not change"
differs label19_before label19_after || fail "Label19 did not change"
[ "$(colour_count label19_after '#FF0000')" -gt 50 ] || fail "no red caption in Label19"
[ "$(colour_count label19_after '#000000')" -gt 1000 ] || fail "Label19 is not black"
[ "$(colour_count vivid1_after '#00FF00')" -gt 50 ] || fail "no lime caption on VividButton1"
[ "$(colour_count vivid1_after '#000000')" -gt 1000 ] || fail "VividButton1 is not black"

step "1e400 into Edit1, click: the overflow box"
click_in "${EDIT1[@]}"
xdotool key --delay 20 ctrl+a
xdotool type --delay 20 "1e400"
click_in "${VIVID1[@]}"
box=$(timeout 15 xdotool search --sync --onlyvisible --name '^anodisation$' | head -n 1) \
  || fail "no message box titled \"anodisation\""
xdotool windowfocus --sync "$box"
settle box
xdotool key Return
for _ in $(seq 1 100); do
  xdotool search --onlyvisible --name '^anodisation$' >/dev/null 2>&1 || break
  sleep 0.05
done
if xdotool search --onlyvisible --name '^anodisation$' >/dev/null 2>&1; then fail "Return did not close the box"; fi
settle after_box
crop after_box "${LBL4[@]}" lbl4_after_box
differs lbl4_after lbl4_after_box && fail "lbl4 changed after the failed calculation"

step "close with the window manager's close request (Alt+F4)"
xdotool windowactivate --sync "$wid"
xdotool key --clearmodifiers alt+F4
status=0
timeout 15 tail --pid="$pid" -f /dev/null || fail "the program did not end"
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit code $status"
echo "PASS"
