#!/usr/bin/env bash
# A left click on the close cell quits and writes the settings file in the writer's form.
#   close_saves_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
# The frame of ten buttons with the shelf closed, at X=1500, Y=1200 twips.
eval "$(xdotool getwindowgeometry --shell "$w")"
[ "$WIDTH" = 447 ] && [ "$HEIGHT" = 57 ] || e2e_fail "window is ${WIDTH}x${HEIGHT}, not 447x57"
[ "$X" = 100 ] && [ "$Y" = 80 ] || e2e_fail "window is at $X,$Y, not 100,80"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end after a left click on the close cell"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/expected.ini" "settings written at exit"
echo "PASS"
