#!/usr/bin/env bash
# The About box opens from the main menu (right click on the caption cell, "h" then "a") and
# closes with Enter and with Escape; chosen again while open, the open one comes forward; the
# program goes on and quits as usual.
#   about_box_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"

open_about() { e2e_open_from_menu "$1" 150 8 "About velmarin" h a; }

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
for key in Return Escape; do
  d=$(open_about "$w") || e2e_fail "the About box did not open (before $key)"
  sleep 0.3
  e2e_answer "$d" "$key" || e2e_fail "$key did not close the About box"
  [ "$(e2e_count_windows "About velmarin")" = 0 ] || e2e_fail "an About box is left after $key"
  e2e_viewable "$w" || e2e_fail "the main window went away with the About box"
done
# Chosen again while it is open behind the active main window, the open one comes forward with
# the keyboard.
d=$(open_about "$w") || e2e_fail "the About box did not open (before choosing it again)"
# The box takes the keyboard once it has shown; a click before that would be undone by it.
for ((i = 0; i < 50; i++)); do [ "$(xdotool getwindowfocus)" = "$d" ] && break; sleep 0.1; done
[ "$(xdotool getwindowfocus)" = "$d" ] || e2e_fail "the About box did not take the keyboard"
e2e_click "$w" 150 8 1
for ((i = 0; i < 50; i++)); do [ "$(xdotool getwindowfocus)" = "$w" ] && break; sleep 0.1; done
[ "$(xdotool getwindowfocus)" = "$w" ] || e2e_fail "a click did not make the main window the active one"
open_about "$w" >/dev/null || e2e_fail "the About box went away"
for ((i = 0; i < 50; i++)); do [ "$(xdotool getwindowfocus)" = "$d" ] && break; sleep 0.1; done
[ "$(xdotool getwindowfocus)" = "$d" ] || e2e_fail "the About box chosen again did not get the keyboard"
[ "$(e2e_count_windows "About velmarin")" = 1 ] || e2e_fail "a second About box opened"
e2e_answer "$d" Escape || e2e_fail "Escape did not close the About box chosen again"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/expected.ini" "settings after the About box"
echo "PASS"
