#!/usr/bin/env bash
# A file dragged with the left button from another program onto an empty cell in register mode
# registers it there: after a left click on the close cell the settings file holds its P= and
# T= lines. The drag comes from tests/win32/helper/drag_probe, which drags through OLE as a file
# window does; xdotool holds and moves the mouse as a person would.
#   drop_register_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"
probe="$(cd "$(dirname "$1")" && pwd)/tests/drag_probe.exe"
[ -f "$probe" ] || e2e_fail "no drag_probe.exe next to the tests"
mkdir -p "$dir/My Files"
echo note >"$dir/My Files/plan a.txt"
file="Z:$(echo "$dir/My Files/plan a.txt" | tr / '\\')"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 1  # the drop target comes after the first paint

# From the probe onto cell 1 (the empty slot, client 37..73 x 17..53).
e2e_drop_file "$probe" "$file" "$w" 56 36
sleep 1

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end after a left click on the close cell"
saved=$(iconv -f cp932 -t utf-8 "$dir/velmarin.ini" | tr -d '\r')
grep -qxF "P=$file" <<<"$saved" || e2e_fail "no P= line for the dropped file in the saved settings"
grep -qxF "T=plan a" <<<"$saved" || e2e_fail "no T=plan a line in the saved settings"
echo "PASS"
