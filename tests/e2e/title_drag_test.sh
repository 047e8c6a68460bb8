#!/usr/bin/env bash
# Dragging the caption moves the window, and the place it was left at is saved at exit.
#   title_drag_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
# The window at X=1500, Y=1200 twips: 100, 80 pixels.
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
# The caption cell spans (75, 0) to (257, 16) of the client area; the drag keeps it in the cell.
e2e_drag "$w" 150 8 60 40
for ((i = 0; i < 50; i++)); do
  eval "$(xdotool getwindowgeometry --shell "$w")"
  [ "$X" = 160 ] && [ "$Y" = 120 ] && break
  sleep 0.1
done
[ "$X" = 160 ] && [ "$Y" = 120 ] || e2e_fail "the window is at $X,$Y after the drag, not at 160,120"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
# The file as written without the drag, with the new place in twips (15 per pixel).
sed 's/^X=.*\r$/X=2400\r/; s/^Y=.*\r$/Y=1800\r/' "$e2e_data/expected.ini" >"$dir/expected.ini"
e2e_same_file "$dir/velmarin.ini" "$dir/expected.ini" "settings written after the drag"
echo "PASS"
