# Screen checks shared by the end-to-end tests of the Linux and the Windows
# window programs, sourced by them: screenshots of the virtual desktop,
# crops of a control's client rectangle, colour counts, clicks in the middle
# of a control. The caller sets `work` (the folder for the screenshots) and
# `win_x`, `win_y` (the client area's origin on the screen); `settle_pause`
# (seconds between two screenshots) may be raised for slower programs.

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

# The client-area rectangles of the controls the tests look at (x y w h),
# as the window was laid out.
EDIT1=(128 336 81 28)
EDT1=(128 368 81 28)
VIVID1=(27 468 226 24)
LBL4=(128 432 129 25)
LABEL19=(280 888 241 33)

win_x=0
win_y=0
settle_pause=${settle_pause:-0.1}

click_in() {  # click_in x y w h: the middle of a client rectangle
  xdotool mousemove --sync $((win_x + $1 + $3 / 2)) $((win_y + $2 + $4 / 2)) click 1
}
shot() { import -window root "$work/$1.png"; }
same() { cmp -s <(convert "$work/$1.png" rgb:-) <(convert "$work/$2.png" rgb:-); }
differs() { ! same "$1" "$2"; }
# Takes screenshots until two in a row agree: everything asked for is painted.
# When they never do, the last two are kept as NAME.unsettled.png and
# NAME.unsettled.next.png (a retry does not overwrite them) and the failure
# names the rectangle where they differ.
settle() {
  shot "$1"
  for _ in $(seq 1 50); do
    sleep "$settle_pause"
    shot "$1.next"
    if same "$1" "$1.next"; then rm -f "$work/$1.next.png"; return 0; fi
    cp "$work/$1.png" "$work/$1.unsettled.png"
    mv "$work/$1.next.png" "$work/$1.png"
  done
  cp "$work/$1.png" "$work/$1.unsettled.next.png"
  fail "the screen never settled for $1: the last two screenshots differ in" \
    "$(convert "$work/$1.unsettled.png" "$work/$1.unsettled.next.png" -compose difference -composite -trim \
      -format '%wx%h%O' info:-)"
}
crop() {  # crop shot x y w h name: a client rectangle of the window
  convert "$work/$1.png" -crop "$4x$5+$((win_x + $2))+$((win_y + $3))" +repage "$work/$6.png"
}
colour_count() {  # colour_count name "#RRGGBB" -> number of pixels of that colour
  convert "$work/$1.png" -format %c histogram:info:- \
    | awk -v c="$2" 'toupper($0) ~ toupper(c) { sub(":", "", $1); n += $1 } END { print n + 0 }'
}
