#!/usr/bin/env bash
# -iconic and --minimized as the window manager sees them:
#   starts_minimised.sh PROGRAM SOURCE_DIR
# starts PROGRAM with each on its own virtual desktop (Xvfb + openbox) and
# expects the window's WM_STATE to say Iconic, not only the toolkit's own
# state.
set -euo pipefail
program=$1
source=$2
for option in -iconic --minimized; do
  echo "-- $option"
  "$source/scripts/xdesktop" bash -c '
    "$1" "$2" &
    pid=$!
    trap "kill $pid 2>/dev/null; wait $pid 2>/dev/null" EXIT
    wid=$(timeout 30 xdotool search --sync --name "^Calculs de surfaces" | head -n 1)
    [ -n "$wid" ] || { echo "FAIL: no window" >&2; exit 1; }
    for _ in $(seq 1 50); do
      state=$(xprop -id "$wid" WM_STATE 2>/dev/null | sed -n "s/.*window state: //p")
      [ "$state" = Iconic ] && { echo "WM_STATE Iconic"; exit 0; }
      sleep 0.1
    done
    echo "FAIL: $2: the window manager sees the window as ${state:-unmapped}" >&2
    exit 1' _ "$program" "$option"
done
