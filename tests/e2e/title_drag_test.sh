#!/usr/bin/env bash
# Dragging the caption moves the window from where it really is, also after another program
# moved it, a click without a move leaves it there, and the place it was left at is saved at
# exit.
#   title_drag_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
tray=${VELMARIN_TRAY_PROBE:-$(dirname "$1")/tests/tray_probe.exe}
[ -f "$tray" ] || e2e_fail "no tray probe at $tray"
cp "$tray" "$dir/tray_probe.exe"
# The window at X=1500, Y=1200 twips: 100, 80 pixels.
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"

# Waits until the window stands at $2,$3.
is_at() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  [ "$X" = "$2" ] && [ "$Y" = "$3" ]
}
wait_place() { e2e_until is_at "$@"; }

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
# The caption cell spans (75, 0) to (257, 16) of the client area; the drag keeps it in the cell.
e2e_drag "$w" 150 8 60 40
wait_place "$w" 160 120 || e2e_fail "the window is at $X,$Y after the drag, not at 160,120"

# Another program moves the window; the next drag starts from there, not from the old place.
(cd "$dir" && "$VELMARIN_WINE" tray_probe.exe move 300 300) || e2e_fail "the probe found no main window"
wait_place "$w" 300 300 || e2e_fail "the probe left the window at $X,$Y, not at 300,300"
e2e_drag "$w" 150 8 20 20
wait_place "$w" 320 320 || e2e_fail "a drag of 20,20 after the move took the window to $X,$Y, not 320,320"
# A click on the caption and one on the lower right cell move nothing.
e2e_click "$w" 150 8 1
e2e_click "$w" 420 45 1
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$w")"
[ "$X" = 320 ] && [ "$Y" = 320 ] || e2e_fail "clicks without a move took the window to $X,$Y"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
# The file as written without the drag, with the new place in twips (15 per pixel).
sed 's/^X=.*\r$/X=4800\r/; s/^Y=.*\r$/Y=4800\r/' "$e2e_data/expected.ini" >"$dir/expected.ini"
e2e_same_file "$dir/velmarin.ini" "$dir/expected.ini" "settings written after the drags"
echo "PASS"
