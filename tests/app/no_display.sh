#!/usr/bin/env bash
# The window program where no platform can open: one French line and one
# English line naming the cause on stderr, exit 1, no abort.
# Usage: no_display.sh PROGRAM
set -u
program=$1
unused_display=":$((200 + RANDOM % 300))"
failures=0

# environment | text the English line names
rows=(
  "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM|no display (DISPLAY is not set)"
  "-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=$unused_display|display DISPLAY=$unused_display is not answering"
  "QT_QPA_PLATFORM=nosuch|graphical platform \"nosuch\" not found"
  "-u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=anodisation-no-such-socket|no display (Wayland \"anodisation-no-such-socket\""
)
for row in "${rows[@]}"; do
  environment=${row%%|*}
  expected=${row#*|}
  # shellcheck disable=SC2086
  err=$(env $environment "$program" 2>&1 >/dev/null)
  status=$?
  lines=$(printf '%s\n' "$err" | wc -l)
  if [ "$status" -ne 1 ] || [ "$lines" -ne 2 ] || [[ "$err" != *"$expected"* ]] || [[ "$err" != *"Anodisation :"* ]]; then
    echo "FAIL [$environment]: exit $status, stderr:" >&2
    printf '%s\n' "$err" >&2
    failures=1
  fi
done
exit "$failures"
