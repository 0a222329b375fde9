#!/usr/bin/env bash
# The installed planner end to end, under Wine on the virtual desktop
# (DISPLAY set, a window manager running), in a prefix of its own: silent
# install; the main window's system menu command "Plan de bain…" opens the
# planner; the worked example typed in (planner_probe fills the controls with
# the messages typing sends) and read back: 1155.16 cm², 17327 mA, 31.2 min,
# the supply's warning; Ctrl+S and a name without extension in the save
# dialog; the planner and the main window closed with Alt+F4; the saved
# file, renamed with a space and accents, opened by its association
# (wine start, the installed open command) and read back the same; closed;
# silent uninstall. Screenshots are left in WORK_FOLDER.
#   plan_end_to_end.sh SETUP.exe WINE_LOADER PREFIX_BASE WORK_FOLDER PLAN_PROBE.exe
set -euo pipefail
setup=$1 loader=$2 work=$4 probe=$5
export WINEPREFIX=$3-plan WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
wineserver="$(dirname "$loader")/wineserver"
[ -x "$wineserver" ] || wineserver=wineserver
wine() { "$loader" "$@" </dev/null; }
settle_wine() { timeout 60 "$wineserver" -w || true; }
source "$(dirname "$0")/../tests/support/screen_checks.sh"
mkdir -p "$work"
rm -f "$work"/*.png "$work"/*.anodplan

caption="Calculs de surfaces pour anodisation de l'aluminium"
planner_title="Plan de bain — Anodisation"
probe() { timeout 60 "$loader" "$probe" "$@" </dev/null; }
planner_window() { xdotool search --onlyvisible --name "^$planner_title" 2>/dev/null | head -n 1; }
wait_until_gone() {  # wait_until_gone TITLE: no visible window of that title within 20 s
  for _ in $(seq 1 200); do
    xdotool search --onlyvisible --name "^$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "a window titled \"$1\" is still there"
}
# The load's lines and both rows, as the planner shows them.
check_example() {  # check_example READING
  for want in 'ligne 1 : 230.79 / 923.16' 'ligne 2 : 106.00 / 212.00' \
              'Surface totale : 1155.16 cm² (11.55 dm²)' 'Courant : 17327 mA (17.33 A) à 15.00 mA/cm²' \
              'Temps : 31.2 min pour 15 µm (règle de 312)' 'Alimentation 10 A : insuffisante' \
              "(icône d'avertissement)"; do
    grep -qF -- "$want" <<<"$1" || fail "the planner does not show \"$want\": $1"
  done
}

step "install $(basename "$setup") silently"
wine wineboot --init >/dev/null 2>&1
settle_wine
wine "$setup" /S
settle_wine

step "the main window's system menu: Plan de bain…"
wine 'C:\Program Files\Anodisation\anodisation.exe' &
pid=$!
timeout 60 xdotool search --sync --onlyvisible --name "^${caption}\$" >/dev/null \
  || fail "no window titled \"$caption\""
probe open-from-main "$caption" || fail "the system menu command opened no planner"

step "type the worked example, read it back"
probe fill
reading=$(probe read | tr -d '\r')
echo "$reading"
check_example "$reading"
head -n 1 <<<"$reading" | grep -qx "${planner_title}\*" || fail "the title does not say the plan is modified"
planner=$(planner_window)
[ -n "$planner" ] || fail "no planner window on the desktop"
timeout 10 xdotool windowactivate --sync "$planner" || true
sleep 0.5
import -window "$planner" -frame "$work/planner.png" 2>/dev/null || import -window root "$work/planner.png"

step "Ctrl+S: the save dialog, a name without extension"
xdotool key --clearmodifiers ctrl+s
dialog=$(timeout 30 xdotool search --sync --onlyvisible --name '^Enregistrer le plan de bain' | head -n 1) \
  || fail "Ctrl+S opened no save dialog"
timeout 10 xdotool windowactivate --sync "$dialog" || true
sleep 0.5
xdotool type --delay 20 "Z:${work//\//\\}\\bain"
xdotool key Return
probe wait-title "— bain.anodplan" || fail "the title does not name the saved file"
[ -s "$work/bain.anodplan" ] || fail "no bain.anodplan written"
grep -q '"format"' "$work/bain.anodplan" || fail "bain.anodplan is no plan file"

step "close the planner, then the main window"
timeout 10 xdotool windowactivate --sync "$(planner_window)" || true
xdotool key --clearmodifiers alt+F4
wait_until_gone "$planner_title"
# A loaded machine may let Alt+F4 reach the window before its activation
# does: the close is asked again, three times at most.
ended=0
for _ in 1 2 3; do
  timeout 10 xdotool windowactivate --sync "$(xdotool search --onlyvisible --name "^${caption}\$" | head -n 1)" || true
  xdotool key --clearmodifiers alt+F4
  if timeout 15 tail --pid="$pid" -f /dev/null; then ended=1; break; fi
done
[ "$ended" = 1 ] || fail "the program did not end"
wait "$pid" || fail "the program ended with $?"

step "open the file by its association"
reopened="$work/bain d'été.anodplan"
cp "$work/bain.anodplan" "$reopened"
wine start /unix "$reopened"
probe wait-title "— bain d'été.anodplan" || fail "the association did not open the planner on the file"
reading=$(probe read | tr -d '\r')
echo "$reading"
check_example "$reading"
timeout 10 xdotool windowactivate --sync "$(planner_window)" || true
xdotool key --clearmodifiers alt+F4
wait_until_gone "$planner_title"
settle_wine

step "uninstall silently"
wine 'C:\Program Files\Anodisation\uninstall.exe' /S
settle_wine
if wine reg query 'HKLM\Software\Classes\.anodplan' >/dev/null 2>&1; then fail ".anodplan still associated"; fi
echo "PASS: planner opened from the system menu, worked example read, saved, reopened by its association"
