#!/usr/bin/env bash
# A double click on the notification-area icon brings the window to the middle of the screen;
# the next caption drag starts from there, and that is the place saved at exit. The icon's double
# click is sent by the tray probe, as in tray_menu_test.sh.
#   tray_centre_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
tray=${VELMARIN_TRAY_PROBE:-$(dirname "$1")/tests/tray_probe.exe}
[ -f "$tray" ] || e2e_fail "no tray probe at $tray"
cp "$tray" "$dir/tray_probe.exe"
# FlgSystem 1: the icon is in the notification area. The window starts at 100, 80 pixels.
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 FlgSystem=1 G=0 C=起動 \
  | iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$w")"
# The middle of the 1280 x 800 screen for the 447 x 57 window.
want_x=$(((1280 - WIDTH) / 2))
want_y=$(((800 - HEIGHT) / 2))
(cd "$dir" && "$VELMARIN_WINE" tray_probe.exe double) || e2e_fail "the tray probe found no main window"
for ((i = 0; i < 50; i++)); do
  eval "$(xdotool getwindowgeometry --shell "$w")"
  [ "$X" = "$want_x" ] && [ "$Y" = "$want_y" ] && break
  sleep 0.1
done
[ "$X" = "$want_x" ] && [ "$Y" = "$want_y" ] || e2e_fail "the window is at $X,$Y, not in the middle at $want_x,$want_y"

# The caption cell spans (75, 0) to (257, 16) of the client area.
e2e_drag "$w" 150 8 60 40
for ((i = 0; i < 50; i++)); do
  eval "$(xdotool getwindowgeometry --shell "$w")"
  [ "$X" = $((want_x + 60)) ] && [ "$Y" = $((want_y + 40)) ] && break
  sleep 0.1
done
[ "$X" = $((want_x + 60)) ] && [ "$Y" = $((want_y + 40)) ] ||
  e2e_fail "the drag took the window to $X,$Y, not from the middle to $((want_x + 60)),$((want_y + 40))"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
[ "$(e2e_value "$dir/velmarin.ini" X)" = $(((want_x + 60) * 15)) ] &&
  [ "$(e2e_value "$dir/velmarin.ini" Y)" = $(((want_y + 40) * 15)) ] ||
  e2e_fail "saved X=$(e2e_value "$dir/velmarin.ini" X) Y=$(e2e_value "$dir/velmarin.ini" Y), not the place after the drag"
echo "PASS"
