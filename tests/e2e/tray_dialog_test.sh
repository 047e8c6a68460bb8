#!/usr/bin/env bash
# While the settings dialog is open, the notification-area icon shows no menu and does not centre
# the window: a click on it brings the dialog forward, with the keyboard, from behind another
# program's window. The icon's clicks are sent by the tray probe (see tray_menu_test.sh).
#   tray_dialog_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
tray=${VELMARIN_TRAY_PROBE:-$(dirname "$1")/tests/tray_probe.exe}
[ -f "$tray" ] || e2e_fail "no tray probe at $tray"
cp "$tray" "$dir/tray_probe.exe"

# FlgSystem 1: the icon is in the notification area. The window at (100, 80), off the centre.
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 FlgSystem=1 G=0 C=起動 'P=C:\windows\notepad.exe' \
  T=memo | iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

tray_click() {
  (cd "$dir" && "$VELMARIN_WINE" tray_probe.exe "$1") || e2e_fail "the tray probe found no main window"
}
# Polls until window $1 has the keyboard (some 10 s).
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
wait_focus() { e2e_until has_focus "$1"; }

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
d=$(e2e_open_from_menu "$w" 150 8 "velmarinの設定" c) || e2e_fail "the settings dialog did not open"

# Another program's window, away from the dialog, takes the keyboard.
(cd "$dir" && exec "$VELMARIN_WINE" notepad.exe) &
e2e_pids+=("$!")
other=""
for ((i = 0; i < 300; i++)); do
  other=$(xdotool search --onlyvisible --name 'Notepad|メモ帳' 2>/dev/null | head -n1)
  [ -n "$other" ] && break
  sleep 0.1
done
[ -n "$other" ] || e2e_fail "the other program's window did not show"
xdotool windowmove "$other" 0 560
wait_focus "$other" || e2e_fail "the other program did not get the keyboard"

# A double click on the icon, then a right click: the messages come in this order, so once the
# dialog is in front both have been handled.
tray_click double
tray_click right
wait_focus "$d" || e2e_fail "a right click on the icon did not bring the dialog forward"
[ "$(e2e_count_windows "velmarinの設定")" = 1 ] || e2e_fail "another settings dialog opened"
# A menu is a window of the program's without a caption.
for m in $(xdotool search --onlyvisible --classname 'velmarin.exe' 2>/dev/null); do
  [ -n "$(xdotool getwindowname "$m")" ] || e2e_fail "the icon's menu was shown under the dialog"
done

# A click on its caption gives it the keyboard again.
xdotool mousemove --window "$other" 300 8 click 1
wait_focus "$other" || e2e_fail "the other program did not get the keyboard back"
tray_click left
wait_focus "$d" || e2e_fail "a left click on the icon did not bring the dialog forward"

e2e_answer "$d" Escape || e2e_fail "Escape did not close the dialog"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end"
[ "$(e2e_value "$dir/velmarin.ini" X)" = 1500 ] && [ "$(e2e_value "$dir/velmarin.ini" Y)" = 1200 ] ||
  e2e_fail "the double click moved the window under the dialog to $(e2e_value "$dir/velmarin.ini" X), $(e2e_value "$dir/velmarin.ini" Y)"
echo "PASS"
