#!/usr/bin/env bash
# A shelf left open, with its state and items kept, starts open with its entries, and a left
# click on the close cell writes the same file back.
#   shelf_open_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/shelf-open.ini" "$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
eval "$(xdotool getwindowgeometry --shell "$w")"
[ "$HEIGHT" = 160 ] || e2e_fail "the window is $HEIGHT pixels high, not 160 with the shelf open"
import -window "$w" "$dir/window.png"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/shelf-open.ini" "written back"
echo "PASS"
