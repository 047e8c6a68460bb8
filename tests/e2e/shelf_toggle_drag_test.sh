#!/usr/bin/env bash
# A shelf closed by a double click on its list opens again when a file is dragged over its
# toggle, as after a click on the toggle. The drag comes from tests/win32/helper/drag_probe.
#   shelf_toggle_drag_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe="$(cd "$(dirname "$1")" && pwd)/tests/drag_probe.exe"
[ -f "$probe" ] || e2e_fail "no drag_probe.exe next to the tests"
echo note >"$dir/plan.txt"
file="Z:$(echo "$dir/plan.txt" | tr / '\\')"
# The shelf starts open (its state kept and saved open); a double click closes it.
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 FlgStorageBehavior=4 FlgMode=24 G=0 P= >"$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 1 # the drop target comes after the first paint
height() { xdotool getwindowgeometry --shell "$w" | sed -n 's/^HEIGHT=//p'; }
is_height() { [ "$(height)" = "$1" ]; }
wait_height() { e2e_until is_height "$1"; }
wait_height 160 || e2e_fail "the shelf did not start open ($(height) pixels high)"

# A double click on the list's empty background closes the shelf.
xdotool mousemove --window "$w" 300 140
sleep 0.2
xdotool click --repeat 2 --delay 80 1
wait_height 57 || e2e_fail "the double click did not close the shelf ($(height) pixels high)"

# The toggle is the cell at 371..407 x 0..16.
e2e_drop_file "$probe" "$file" "$w" 389 8
wait_height 160 || e2e_fail "a drag over the toggle did not open the shelf ($(height) pixels high)"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
echo "PASS"
