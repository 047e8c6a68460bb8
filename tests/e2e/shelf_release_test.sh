#!/usr/bin/env bash
# A shelf entry dragged with the left button lands only on a button cell: dropped on the close
# cell, the mode cell or the strip it does nothing (the program neither ends nor changes its
# mode); dropped on an empty cell in register mode it becomes that cell's item.
#   shelf_release_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/shelf-open.ini" "$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 1

# The first shelf entry (notepad) lies at (12, 67) of the client area.
drag_entry() {
  local x=$1 y=$2 step
  xdotool mousemove --window "$w" 13 68
  sleep 0.3
  xdotool mousedown 1
  for step in 1 2 3 4 5; do
    sleep 0.1
    xdotool mousemove --window "$w" $((13 + (x - 12) * step / 5)) $((68 + (y - 67) * step / 5))
  done
  sleep 0.3
  xdotool mouseup 1
  sleep 0.7
}

drag_entry 436 8 # the close cell
kill -0 "$program" 2>/dev/null || e2e_fail "an entry dropped on the close cell ended the program"
drag_entry 416 8 # the mode cell
drag_entry 398 8 # the shelf's own toggle
drag_entry 150 8 # the caption
e2e_viewable "$w" || e2e_fail "the main window went away"
eval "$(xdotool getwindowgeometry --shell "$w")"
[ "$HEIGHT" = 160 ] || e2e_fail "an entry dropped on the toggle closed the shelf"
drag_entry 130 36 # the empty cell 3
kill -0 "$program" 2>/dev/null || e2e_fail "the program ended"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
[ "$(e2e_value "$dir/velmarin.ini" FlgMode)" = 24 ] ||
  e2e_fail "the mode changed: FlgMode=$(e2e_value "$dir/velmarin.ini" FlgMode)"
cells=$(tr -d '\r' <"$dir/velmarin.ini" | sed -n '/^G=0$/,/^G=1$/p' | grep '^P=' | tr '\n' ' ')
want='P=C:\windows\notepad.exe P= P=C:\windows P=C:\windows\notepad.exe P= P= P= P= P= P= '
[ "$cells" = "$want" ] || e2e_fail "the first page is [$cells], not [$want]"
echo "PASS"
