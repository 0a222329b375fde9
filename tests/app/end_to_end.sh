#!/usr/bin/env bash
# End-to-end test of the installed program on a real X server with a window
# manager, driven by real X input:
#   end_to_end.sh BUILD_DIR SOURCE_DIR
# It installs the build into a fresh prefix, starts bin/anodisation on a
# virtual desktop (scripts/xdesktop), types the typical request, clicks the
# colored button and checks the pixels; then provokes the overflow box,
# answers it with Return, and closes the window with the window manager's
# close request, expecting exit code 0.
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
shots="$build/tests/app/end_to_end_shots"
# The screenshots stay in the build tree for a look after the run.
keep_shots() {
  rm -rf "$shots"
  mkdir -p "$shots"
  cp "$work"/*.png "$work"/*.log "$shots"/ 2>/dev/null || true
  rm -rf "$work"
}
trap keep_shots EXIT

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
for file in bin/anodisation bin/anodisation-calc share/applications/anodisation.desktop \
            share/icons/hicolor/32x32/apps/anodisation.png; do
  [ -e "$work/prefix/$file" ] || { echo "FAIL: not installed: $file" >&2; exit 1; }
done

export WORK="$work"
"$source/scripts/xdesktop" bash "$source/tests/app/end_to_end_session.sh" "$work/prefix/bin/anodisation"
