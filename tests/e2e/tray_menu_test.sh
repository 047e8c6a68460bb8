#!/usr/bin/env bash
# The menu of the notification-area icon starts a button's program chosen with the keyboard.
# The notification area of the test display cannot be clicked, so the icon's right click is sent
# to the main window by the tray probe of the Win32 tests (VELMARIN_TRAY_PROBE, or
# tests/tray_probe.exe of the build), as the icon would send it.
#   tray_menu_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe=${VELMARIN_LAUNCH_PROBE:-$(dirname "$1")/tests/launch_probe.exe}
[ -f "$probe" ] || e2e_fail "no launch probe at $probe"
cp "$probe" "$dir/launch_probe.exe"
tray=${VELMARIN_TRAY_PROBE:-$(dirname "$1")/tests/tray_probe.exe}
[ -f "$tray" ] || e2e_fail "no tray probe at $tray"
cp "$tray" "$dir/tray_probe.exe"

folder="Z:${dir//\//\\}"
# Started without parameters, the launch probe writes its report next to itself.
report="$dir/launch_probe.exe.txt"
# FlgSystem 1: the icon is in the notification area. The title strip blue while the window is
# active, grey while it is not.
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 FlgSystem=1 ColTitleBarActBack=16711680 \
  ColTitleBarInActBack=8421504 G=0 C=起動 "P=$folder\\launch_probe.exe" T=probe |
  iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
# The hand goes to the icon: the notification area (wine's own window on the test display) is
# clicked beside the icon and becomes the active window, so the menu's window is in the
# background when the menu opens.
area=$(e2e_wait_window "Wine System Tray") || e2e_fail "the notification area did not show"
e2e_click "$area" 120 10 1
e2e_wait_title_colour "$w" '#808080' || e2e_fail "the main window stayed active"

(cd "$dir" && "$VELMARIN_WINE" tray_probe.exe right) || e2e_fail "the tray probe found no main window"
sleep 1
sleep 0.3
# The first item is the page's submenu; its first item the button's program.
xdotool key Down
sleep 0.3
xdotool key Right
sleep 0.3
xdotool key Return
e2e_wait_file "$report" || e2e_fail "the menu's item started nothing"
sed -n 1p "$report" | grep -qF launch_probe.exe || e2e_fail "the report names another program: $(sed -n 1p "$report")"
kill -0 "$program" 2>/dev/null && e2e_viewable "$w" || e2e_fail "the main window went away"
echo "PASS"
