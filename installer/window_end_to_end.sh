#!/usr/bin/env bash
# The installed window program end to end, under Wine on the virtual
# desktop (DISPLAY set, a window manager running): the installer's pages
# gone through by keyboard into a prefix of its own (the question on
# Escape, "Lancer Anodisation" starting the program), the program started
# from its installed path, typed into and clicked with xdotool, the screen
# checked for the lime, black and red where they belong, the box titled
# "anodisation" for "1e400" staying above the window when its title bar is
# clicked, then answered, closed with Alt+F4; the program again at 120 and
# 144 dpi, fitting the 1280 x 1024 screen and scrolled by Page Down and the
# wheel until its last control shows whole; silent uninstall, everything
# gone. Every wait is bounded, and the prefix's Wine processes end with the
# script, whatever way it ends.
#   window_end_to_end.sh SETUP.exe WINE_LOADER PREFIX_BASE WORK_FOLDER
set -euo pipefail
setup=$1 loader=$2 work=$4
export WINEPREFIX=$3-window WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
wineserver="$(dirname "$loader")/wineserver"
[ -x "$wineserver" ] || wineserver=wineserver
wine() { "$loader" "$@" </dev/null; }
settle_wine() { timeout 120 "$wineserver" -w || fail "Wine did not settle"; }
# Activation waits for the window manager: bounded, and not fatal by itself.
activate() { timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true; }
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
settle_pause=0.2
source "$(dirname "$0")/../tests/support/screen_checks.sh"
mkdir -p "$work"
rm -f "$work"/*.png

folder="$WINEPREFIX/drive_c/Program Files/Anodisation"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Anodisation.lnk"
caption="Calculs de surfaces pour anodisation de l'aluminium"

# The windows whose title starts with TITLE, one id a line.
windows_named() { xdotool search --onlyvisible --name "^$1" 2>/dev/null || true; }
wait_for_count() {  # wait_for_count TITLE N: until N windows are titled so
  for _ in $(seq 1 100); do
    [ "$(windows_named "$1" | wc -l)" -eq "$2" ] && return 0
    sleep 0.1
  done
  fail "not $2 window(s) titled \"$1\" but $(windows_named "$1" | wc -l)"
}

# The screen's DPI, as Wine reads it when a program starts; the prefix is
# kept between runs, so every run starts at 96.
set_dpi() {
  timeout 60 "$loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    </dev/null >/dev/null 2>&1 || fail "LogPixels not set to $1"
  settle_wine
}

step "install $(basename "$setup") page by page"
wine wineboot --init >/dev/null 2>&1
settle_wine
set_dpi 96
setup_title="Installation d'Anodisation"
wine "$setup" &
setup_pid=$!
installer=$(timeout 60 xdotool search --sync --onlyvisible --name "^$setup_title" | head -n 1) \
  || fail "no installer window titled \"$setup_title\""
activate "$installer"
settle setup_welcome
xdotool key Return
settle setup_licence
# Escape asks before quitting: a second window of the same title, "No"
# goes back to the page.
xdotool key Escape
wait_for_count "$setup_title" 2
settle setup_question
xdotool key n
wait_for_count "$setup_title" 1
activate "$installer"
xdotool key Return  # "J'accepte"
sleep 0.5
xdotool key Return  # "Installer", into the proposed folder
for _ in $(seq 1 300); do
  [ -f "$folder/uninstall.exe" ] && break
  sleep 0.1
done
for file in anodisation.exe anodisation-calc.exe uninstall.exe; do
  [ -f "$folder/$file" ] || fail "$file not installed in $folder"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut \"Anodisation\""
sleep 1
settle setup_finish
# "Fermer" with "Lancer Anodisation" ticked: the program starts.
xdotool key Return
wait "$setup_pid" || fail "the installer ended with $?"
launched=$(timeout 60 xdotool search --sync --onlyvisible --name "^${caption}\$" | head -n 1) \
  || fail "\"Lancer Anodisation\" did not start the program"
activate "$launched"
xdotool key --clearmodifiers alt+F4
wait_for_count "$caption" 0
settle_wine

step "start the installed program"
wine 'C:\Program Files\Anodisation\anodisation.exe' &
pid=$!
wid=$(timeout 60 xdotool search --sync --onlyvisible --name "^${caption}\$" | head -n 1) \
  || fail "no window titled \"$caption\""
activate "$wid"
settle before
# The client area starts at the window's first navy pixel: nothing covers
# the band above and left of the controls.
read -r x y w h < <(xwininfo -id "$wid" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
  /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
read -r win_x win_y < <(convert "$work/before.png" -crop "${w}x${h}+${x}+${y}" +repage txt:- \
  | awk -F'[,: ]+' '/#000080/ {print $1 + '"$x"', $2 + '"$y"'; exit}')
[ -n "${win_x:-}" ] || fail "no navy client area in the window"
echo "client area at ($win_x, $win_y)"
# The layout scales with the window font's "0" (12 pixels under Wine's
# faces, 13 on Windows): the heading bar Panel7, 1041 wide at 13, says by
# how much. Its inside, 6 pixels in from each end, is sky blue.
read -r sky_first sky_last < <(convert "$work/before.png" -crop "${w}x1+${x}+$((win_y + 20))" +repage txt:- \
  | awk -F'[,: ]+' '/#A6CAF0/ {if (first == "") first = $1; last = $1} END {print first, last}')
[ -n "${sky_first:-}" ] || fail "no sky-blue heading bar"
width=$((sky_last - sky_first + 1 + 12))
echo "heading bar $width pixels wide: the layout is at $width/1041"
scale() {  # scale x y w h -> the rectangle at the window's scale (edges rounded)
  awk -v r="$width/1041" -v x="$1" -v y="$2" -v w="$3" -v h="$4" 'function s(v) { split(r, f, "/"); return int(v * f[1] / f[2] + 0.5) }
    BEGIN { print s(x), s(y), s(x + w) - s(x), s(y + h) - s(y) }'
}
read -r -a EDIT1 < <(scale "${EDIT1[@]}")
read -r -a VIVID1 < <(scale "${VIVID1[@]}")
read -r -a LBL4 < <(scale "${LBL4[@]}")
read -r -a LABEL19 < <(scale "${LABEL19[@]}")
crop before "${LBL4[@]}" lbl4_before
crop before "${LABEL19[@]}" label19_before
[ "$(colour_count label19_before '#FF0000')" -gt 20 ] || fail "no red \"0 mA\" in Label19"

step "3, Tab Tab, 10, click VividButton1"
click_in "${EDIT1[@]}"
xdotool type --delay 30 "3"
xdotool key --delay 30 Tab Tab
xdotool type --delay 30 "10"
click_in "${VIVID1[@]}"
# The pointer leaves: under a desktop theme the hot button shows the theme's
# toolbar face, at rest its own black.
xdotool mousemove --sync 1 1
for _ in $(seq 1 100); do
  shot after
  crop after "${LBL4[@]}" lbl4_after
  differs lbl4_before lbl4_after && break
  sleep 0.1
done
settle after
crop after "${LBL4[@]}" lbl4_after
crop after "${LABEL19[@]}" label19_after
crop after "${VIVID1[@]}" vivid1_after
differs lbl4_before lbl4_after || fail "lbl4 did not change"
differs label19_before label19_after || fail "Label19 did not change"
[ "$(colour_count label19_after '#FF0000')" -gt 50 ] || fail "no red caption in Label19"
[ "$(colour_count label19_after '#000000')" -gt 1000 ] || fail "Label19 is not black"
[ "$(colour_count vivid1_after '#00FF00')" -gt 50 ] || fail "no lime caption on VividButton1"
[ "$(colour_count vivid1_after '#000000')" -gt 1000 ] || fail "VividButton1 is not black"

step "1e400 into Edit1, click: the box titled anodisation"
click_in "${EDIT1[@]}"
# A classic edit box has no Ctrl+A: its one character goes with End and
# BackSpace.
xdotool key --delay 30 End BackSpace BackSpace
xdotool type --delay 30 "1e400"
click_in "${VIVID1[@]}"
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^anodisation$' | head -n 1) \
  || fail "no message box titled \"anodisation\""
settle box
# A click on the main window's title bar (its frame's top, halfway across)
# leaves the box above it: the box belongs to the main window.
read -r frame_x frame_y frame_w < <(xwininfo -frame -id "$wid" | awk '/Absolute upper-left X/ {x=$4}
  /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} END {print x, y, w}')
xdotool mousemove --sync $((frame_x + frame_w / 2)) $((frame_y + (win_y - frame_y) / 2)) click 1
sleep 0.5
settle box_after_title_click
# The managed windows, bottom to top, as decimal ids.
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' '\n' |
  while read -r id; do printf '%d\n' "$id"; done)
above() {  # above A B: A lies above B in the window manager's stacking order
  local a b
  a=$(grep -nx "$1" <<<"$stacking" | cut -d: -f1) b=$(grep -nx "$2" <<<"$stacking" | cut -d: -f1)
  [ -n "$a" ] && [ -n "$b" ] && [ "$a" -gt "$b" ]
}
above "$box" "$wid" || fail "the box went below the main window after a click on its title bar"
activate "$box"
xdotool key Return
for _ in $(seq 1 100); do
  xdotool search --onlyvisible --name '^anodisation$' >/dev/null 2>&1 || break
  sleep 0.1
done
if xdotool search --onlyvisible --name '^anodisation$' >/dev/null 2>&1; then fail "Return did not close the box"; fi
settle after_box
crop after_box "${LBL4[@]}" lbl4_after_box
differs lbl4_after lbl4_after_box && fail "lbl4 changed after the failed calculation"

step "close with Alt+F4"
activate "$wid"
xdotool key --clearmodifiers alt+F4
status=0
timeout 20 tail --pid="$pid" -f /dev/null || fail "the program did not end"
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit code $status"
settle_wine

# At 120 and 144 dpi (Wine reads the user's LogPixels as a program starts)
# the window font follows the screen's DPI and the layout the font's "0",
# while the window keeps its outer size and so fits the screen. Page Down
# (from the button after Edit1: an edit box keeps the page keys), the wheel
# and the wheel tilted right bring the last control, the fixing text Label9
# (silver, 241 x 137 as laid out), whole into the client area's bottom right
# corner, where the scroll bars begin.
last_silver_block() {  # last_silver_block shot x y w h -> x0 y0 x1 y1 of the bottom-right silver block
  # A block, not a scroll bar's part: silver for 40 pixels and more both
  # leftwards and upwards from its bottom-right corner.
  convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage txt:- | awk -F'[,: ]+' -v ox="$2" -v oy="$3" '
    NR > 1 {
      x = $1; y = $2
      if ($0 ~ /#C0C0C0/) { left[x, y] = left[x - 1, y] + 1; up[x, y] = up[x, y - 1] + 1 }
      if (left[x, y] >= 40 && up[x, y] >= 40 && x + y > best) { best = x + y; bx = x; by = y }
    }
    END { if (best) print ox + bx - left[bx, by] + 1, oy + by - up[bx, by] + 1, ox + bx, oy + by }'
}
pixel() { convert "$work/$1.png" -crop "1x1+$2+$3" +repage txt:- | awk 'NR == 2 {print $3}'; }
for dpi in 120 144; do
  step "at $dpi dpi: fits the 1280 x 1024 screen, scrolls to its last control"
  set_dpi "$dpi"
  wine 'C:\Program Files\Anodisation\anodisation.exe' &
  pid=$!
  wid=$(timeout 60 xdotool search --sync --onlyvisible --name "^${caption}\$" | head -n 1) \
    || fail "no window titled \"$caption\" at $dpi dpi"
  activate "$wid"
  settle "dpi${dpi}_start"
  read -r fx fy fw fh < <(xwininfo -frame -id "$wid" | awk '/Absolute upper-left X/ {x=$4}
    /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  echo "window ${fw} x ${fh} at ($fx, $fy), frame included"
  [ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] && [ $((fx + fw)) -le 1280 ] && [ $((fy + fh)) -le 1024 ] ||
    fail "at $dpi dpi the window leaves the 1280 x 1024 screen"
  read -r x y w h < <(xwininfo -id "$wid" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  xdotool key Tab
  for _ in $(seq 1 8); do xdotool key Next; done
  xdotool mousemove --sync $((x + w / 2)) $((y + h / 2))
  for _ in $(seq 1 10); do xdotool click 5; done
  for _ in $(seq 1 40); do xdotool click 7; done
  xdotool mousemove --sync 1 1
  settle "dpi${dpi}_end"
  # Label9 lies in the window's bottom right quarter once scrolled to the end.
  read -r x0 y0 x1 y1 < <(last_silver_block "dpi${dpi}_end" $((x + w / 2)) $((y + h / 2)) $((w - w / 2)) $((h - h / 2))) ||
    true
  [ -n "${y1:-}" ] || fail "at $dpi dpi no silver block in the window's bottom right quarter"
  bw=$((x1 - x0 + 1)) bh=$((y1 - y0 + 1))
  echo "Label9 shown from ($x0, $y0) to ($x1, $y1): $bw x $bh, laid out 241 x 137"
  # Whole: navy left of it and above it, its sides in the laid-out ratio
  # (one pixel of rounding on each).
  [ "$(pixel "dpi${dpi}_end" $((x0 - 1)) "$y1")" = "#000080" ] && [ "$(pixel "dpi${dpi}_end" "$x1" $((y0 - 1)))" = "#000080" ] ||
    fail "at $dpi dpi the silver block at ($x0, $y0) is not Label9 whole"
  ratio_error=$((bw * 137 - bh * 241))
  [ "${ratio_error#-}" -le $((241 + 137)) ] || fail "at $dpi dpi Label9 shows $bw x $bh, cut short"
  [ "$bw" -gt 241 ] || fail "at $dpi dpi Label9 is $bw wide, not scaled up"
  # The scroll bars start right of it and below it: the scrolling reached
  # the controls' extent, nothing is left beyond.
  [ "$(pixel "dpi${dpi}_end" $((x1 + 1)) "$y1")" != "#000080" ] && [ "$(pixel "dpi${dpi}_end" "$x1" $((y1 + 1)))" != "#000080" ] ||
    fail "at $dpi dpi navy beyond Label9: not scrolled to the end"
  activate "$wid"
  xdotool key --clearmodifiers alt+F4
  timeout 20 tail --pid="$pid" -f /dev/null || fail "the program did not end at $dpi dpi"
  wait "$pid" || fail "exit code $? at $dpi dpi"
  settle_wine
done
set_dpi 96

step "uninstall silently"
wine 'C:\Program Files\Anodisation\uninstall.exe' /S
settle_wine
[ ! -e "$folder" ] || fail "$folder still there after uninstall: $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
echo "PASS: installed, typed, clicked, answered the box, closed, uninstalled"
