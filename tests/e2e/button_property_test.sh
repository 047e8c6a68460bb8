#!/usr/bin/env bash
# The button's property dialog from its right-click menu: a new tool tip typed and applied is
# saved at exit; Escape leaves the button as it was.
#   button_property_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"

# A right click on the first cell opens its menu; "r" chooses the properties. The dialog is
# titled after the button's tool tip.
open_property() { e2e_open_from_menu "$1" 18 35 "$2" r; }

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
d=$(open_property "$w" "メモ帳 のプロパティ") || e2e_fail "the button's property dialog did not open"
sleep 0.5
# The focus starts on Cancel; the tool tip box is the third stop after it.
xdotool mousemove --window "$d" 4 4
xdotool key --clearmodifiers Tab Tab Tab
xdotool type --delay 50 "newtip"
sleep 0.3
e2e_viewable "$d" || e2e_fail "the dialog closed while typing"
e2e_answer "$d" Return || e2e_fail "Enter did not apply and close the dialog"
e2e_viewable "$w" || e2e_fail "the main window went away"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end"
[ "$(e2e_value "$dir/velmarin.ini" T)" = newtip ] ||
  e2e_fail "the first tool tip is $(e2e_value "$dir/velmarin.ini" T | iconv -f cp932 -t utf-8), not newtip"

# Typed, then cancelled with Escape: the saved tool tip stays.
e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show again"
d=$(open_property "$w" "newtip のプロパティ") || e2e_fail "the dialog did not open again"
sleep 0.5
xdotool mousemove --window "$d" 4 4
xdotool key --clearmodifiers Tab Tab Tab
xdotool type --delay 50 "other"
sleep 0.3
e2e_answer "$d" Escape || e2e_fail "Escape did not close the dialog"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end after the cancel"
[ "$(e2e_value "$dir/velmarin.ini" T)" = newtip ] ||
  e2e_fail "Escape changed the tool tip to $(e2e_value "$dir/velmarin.ini" T)"
echo "PASS"
