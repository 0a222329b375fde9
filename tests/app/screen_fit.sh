#!/usr/bin/env bash
# The window on a real X server with a window manager, at three scales:
#   screen_fit.sh APP_TESTS SOURCE_DIR
# runs ScreenFitTest of APP_TESTS on its own virtual desktop (1280 x 1024)
# with Xft.dpi 96, 120 and 144, which the toolkit turns into scale factors
# of 1, 1.25 and 1.5.
set -euo pipefail
tests=$1
source=$2
for dpi in 96 120 144; do
  echo "-- Xft.dpi $dpi"
  "$source/scripts/xdesktop" bash -c '
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$1
"
    QT_QPA_PLATFORM=xcb "$2" --gtest_filter="ScreenFitTest.*" --gtest_brief=1' _ "$dpi" "$tests"
done
