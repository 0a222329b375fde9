#!/usr/bin/env bash
# What a Windows program file carries besides its code
# (cmake/windows_program.cmake), read back from the built .exe:
#   objdump -p lists the resource types: icon images (3), the icon group
#     (14), the version (16) and the manifest (24);
#   the manifest asks for system DPI awareness, common controls 6 and names
#     Windows 7 to 11;
#   the version resource gives the product, the French description, the
#     build's version and the licence;
#   the icon holds 16, 24, 32, 48 and 256-pixel images.
#   win32_program_resources.sh PROGRAM.exe OBJDUMP VERSION DESCRIPTION
set -euo pipefail
exe=$1 objdump=$2 version=$3 description=$4
fail() { echo "FAIL: $(basename "$exe"): $*" >&2; exit 1; }

# The type table's entries are the resource directory's first level, three
# spaces in: "010   Entry: ID: 0x000003, Value: ...".
types=$("$objdump" -p "$exe" | sed -n '/The .rsrc Resource Directory/,$p' |
  sed -nE 's/^[0-9a-f]+   Entry: ID: 0x0*([0-9a-f]+),.*/\1/p' | sort | paste -sd' ')
[ "$types" = "10 18 3 e" ] || fail "resource types (hexadecimal) are \"$types\", not icon, icon group, version, manifest"

manifest=$(wrestool -x --raw --type=24 "$exe")
for want in '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>' \
            '>system</dpiAwareness>' \
            'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
            '<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>' \
            '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>'; do
  grep -qF -- "$want" <<<"$manifest" || fail "the manifest lacks $want"
done

# The version's strings, each key followed by its value ("é" ends a UTF-16
# run for strings, so the licence is read up to it).
fields=$(wrestool -x --raw --type=16 "$exe" | strings -el | paste -sd'|')
for want in "ProductName|Anodisation" "ProductVersion|$version" "FileVersion|$version" \
            "FileDescription|$description" "OriginalFilename|$(basename "$exe")" \
            "LegalCopyright|Logiciel libre sous licence GNU GPL, version 3 ou ult"; do
  grep -qF -- "|$want|" <<<"|$fields|" || fail "the version resource lacks \"$want\" (it holds: $fields)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wrestool -x --type=14 "$exe" >"$work/icon.ico"
sizes=$(icotool -l "$work/icon.ico" | sed -nE 's/.*--width=([0-9]+).*/\1/p' | paste -sd' ')
[ "$sizes" = "16 24 32 48 256" ] || fail "the icon's sizes are \"$sizes\""
echo "$(basename "$exe"): manifest, version $version, icon of $sizes pixels"
