#!/usr/bin/env bash
# Runs screen_reader.py against PROGRAM on a virtual desktop with a session
# bus and the accessibility bus (Debian's at-spi2-core, python3-pyatspi):
#   screen_reader.sh PROGRAM SOURCE_DIR
set -euo pipefail
program=$1
source=$2
here=$(dirname "$0")
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "SKIP: no $launcher (at-spi2-core)"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no pyatspi (python3-pyatspi)"; exit 77; }
"$source/scripts/xdesktop" dbus-run-session -- bash -c '
  "$1" --launch-immediately >/dev/null 2>&1 &
  bus=$!
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$2" >/dev/null 2>&1 &
  app=$!
  trap "kill $app $bus 2>/dev/null; wait $app $bus 2>/dev/null" EXIT
  timeout 60 /usr/bin/python3 "$3"' _ "$launcher" "$program" "$here/screen_reader.py"
