#!/usr/bin/env bash
# The installer under Wine, in a Wine prefix of its own (a fresh "machine"):
# silent install, the files and the Add/Remove Programs entry present (with
# its publisher, icon, version and size), the Start-menu shortcut "Plan de
# bain" (anodisation.exe --plan) and the .anodplan association, the
# installed calculator run from its installed path, silent uninstall, all of
# it gone. NSIS's uninstaller
# hands over to a copy of itself and returns at once, so every check waits
# for Wine to finish first (wineserver -w).
#   installer_test.sh SETUP.exe WINE_LOADER PREFIX_BASE VERSION
set -euo pipefail
setup=$1 loader=$2 version=$4
export WINEPREFIX=$3-installer WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
wineserver="$(dirname "$loader")/wineserver"
[ -x "$wineserver" ] || wineserver=wineserver
wine() { "$loader" "$@" </dev/null; }
settle() { "$wineserver" -w; }
fail() { echo "FAIL: $*" >&2; exit 1; }

folder="$WINEPREFIX/drive_c/Program Files/Anodisation"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Anodisation'

wine wineboot --init >/dev/null 2>&1
settle
[ ! -e "$folder" ] || fail "a previous run left $folder"

wine "$setup" /S
settle
for file in anodisation-calc.exe uninstall.exe; do
  [ -f "$folder/$file" ] || fail "$file not installed in $folder"
done
# Lines such as "    DisplayVersion    REG_SZ    1.0.0"; reg prints in the
# console's code page, so "é" is matched by any character.
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for want in 'UninstallString +REG_SZ +"C:\\Program Files\\Anodisation\\uninstall.exe"$' \
            "DisplayVersion +REG_SZ +${version//./\\.}\$" \
            "Publisher +REG_SZ +Les d.{1,2}veloppeurs d'Anodisation\$" \
            'DisplayIcon +REG_SZ +C:\\Program Files\\Anodisation\\anodisation(-calc)?\.exe$' \
            'EstimatedSize +REG_DWORD +0x[0-9a-f]{3,}$'; do
  LC_ALL=C grep -qE -- "$want" <<<"$entry" || fail "no line matching $want under $key: $entry"
done

# The planner's ways in, when the window program is installed.
plan_shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Plan de bain.lnk"
plan_type='HKLM\Software\Classes\Anodisation.PlanDeBain'
plan_extension='HKLM\Software\Classes\.anodplan'
if [ -f "$folder/anodisation.exe" ]; then
  [ -f "$plan_shortcut" ] || fail "no Start-menu shortcut \"Plan de bain\""
  # The shortcut's arguments are kept in UTF-16.
  strings -el "$plan_shortcut" | grep -qx -- '--plan' || fail "the shortcut \"Plan de bain\" does not pass --plan"
  wine reg query "$plan_extension" /ve 2>/dev/null | tr -d '\r' | grep -qE 'REG_SZ +Anodisation\.PlanDeBain$' \
    || fail ".anodplan is not associated with Anodisation.PlanDeBain"
  command=$(wine reg query "$plan_type\\shell\\open\\command" /ve 2>/dev/null | tr -d '\r')
  grep -qF '"C:\Program Files\Anodisation\anodisation.exe" "%1"' <<<"$command" \
    || fail "the open command of plan files is not the planner's: $command"
  wine reg query "$plan_type\\DefaultIcon" /ve 2>/dev/null | tr -d '\r' \
    | grep -qF 'C:\Program Files\Anodisation\anodisation.exe,0' || fail "plan files have not the program's icon"
fi

got=$(wine 'C:\Program Files\Anodisation\anodisation-calc.exe' cylindre 3 10)
want=$(printf ' 244.92 Cm\xC2\xB2 \n2450 mA ')
[ "$got" = "$want" ] || fail "installed calculator printed: $got"
settle

wine 'C:\Program Files\Anodisation\uninstall.exe' /S
settle
[ ! -e "$folder" ] || fail "$folder still there after uninstall: $(ls "$folder")"
if wine reg query "$key" >/dev/null 2>&1; then fail "$key still registered"; fi
for left in "$plan_type" "$plan_extension"; do
  if wine reg query "$left" >/dev/null 2>&1; then fail "$left still registered"; fi
done
[ ! -e "$plan_shortcut" ] || fail "the Start-menu shortcut \"Plan de bain\" is still there"
settle
echo "installed, ran, uninstalled: $(basename "$setup")"
