#!/usr/bin/env bash
# The Plan de bain window end to end, as a user meets it with the installed
# program: on a virtual desktop with the accessibility bus, the planner is
# opened from the main window's menu (a right click), the worked example is
# typed in with real keys, its results are read back over AT-SPI, the plan
# is saved, the program closed, and the file opened again through its MIME
# type (gio open, with the installed MIME XML and desktop entry in a
# temporary XDG_DATA_HOME), and the same results read.
#   planner_end_to_end.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "SKIP: no $launcher (at-spi2-core)"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no pyatspi (python3-pyatspi)"; exit 77; }
for tool in gio update-mime-database update-desktop-database; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done

work=$(mktemp -d)
shots="$build/tests/ui/planner/qt/end_to_end_shots"
keep_shots() {
  rm -rf "$shots"
  mkdir -p "$shots"
  cp "$work"/*.png "$work"/*.log "$shots"/ 2>/dev/null || true
  rm -rf "$work"
}
trap keep_shots EXIT

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" HOME="$work"
mkdir -p "$XDG_DATA_HOME/mime/packages" "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME"
cp "$work/prefix/share/mime/packages/anodisation.xml" "$XDG_DATA_HOME/mime/packages/"
cp "$work/prefix/share/applications/anodisation.desktop" "$XDG_DATA_HOME/applications/"
update-mime-database "$XDG_DATA_HOME/mime"
update-desktop-database "$XDG_DATA_HOME/applications"
export PATH="$work/prefix/bin:$PATH"

# The desktop's own answer before any window: plans are their type, opened
# by the program's entry.
echo '{}' >"$work/probe.anodplan"
type=$(gio info -a standard::content-type "$work/probe.anodplan" | awk '/content-type/ { print $2 }')
[ "$type" = application/x-anodisation-plan ] || { echo "FAIL: a .anodplan file is of type '$type'" >&2; exit 1; }
gio mime application/x-anodisation-plan >"$work/gio-mime.log"
grep -q '^Default application .*: anodisation.desktop$' "$work/gio-mime.log" \
  || { cat "$work/gio-mime.log" >&2; echo "FAIL: plans do not open with anodisation.desktop" >&2; exit 1; }

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$source/scripts/xdesktop" dbus-run-session -- bash -c '
  "$1" --launch-immediately >/dev/null 2>&1 &
  bus=$!
  trap "kill $bus 2>/dev/null; wait $bus 2>/dev/null" EXIT
  timeout 120 /usr/bin/python3 "$2" "$3" "$4"' _ "$launcher" "$here/planner_end_to_end.py" anodisation "$work"
