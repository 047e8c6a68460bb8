#!/usr/bin/env bash
# Enter and Escape in the button and page dialogs: Enter presses the button that has the focus
# (Cancel, when the dialog has just opened), and however a dialog closes, the main window is the
# active one again (its title strip in the active colour).
#   dialog_keys_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
# The first button starts programs in a window state the dialog does not offer (7): Apply would
# store it as "normal", which the saved file shows.
e2e_settings "$e2e_data/prepared.ini" S=7
# The title strip blue while the window is active, grey while it is not.
sed -i 's/^MaxDrawer=2\r$/MaxDrawer=2\r\nColTitleBarActBack=16711680\r\nColTitleBarInActBack=8421504\r/' \
  "$dir/velmarin.ini"
active='#0000FF'

# A right click on the first cell opens its menu; "r" chooses the button's properties, "g" the
# page settings.
open_property() { e2e_open_from_menu "$w" 18 35 "メモ帳 のプロパティ" r; }
open_pages() { e2e_open_from_menu "$w" 18 35 "ページのプロパティ" g; }

# Fails unless the title strip turns to the active colour within some 5 s.
expect_active() {
  e2e_wait_title_colour "$w" "$active" ||
    e2e_fail "$1: the main window is not active (its title strip is $(e2e_title_colour "$w"))"
}

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
expect_active "at start"

# Enter at once: Cancel has the focus, so Enter cancels and the button keeps its window state.
d=$(open_property) || e2e_fail "the button's property dialog did not open"
sleep 0.5
xdotool mousemove --window "$d" 4 4
e2e_answer "$d" Return || e2e_fail "Enter did not close the fresh button dialog"
expect_active "after Enter in the fresh button dialog"

# A new tool tip typed, the focus moved back to Cancel (the tool tip box is the third stop after
# it), Enter: Cancel is pressed, not Apply.
d=$(open_property) || e2e_fail "the button's property dialog did not open again"
sleep 0.5
xdotool mousemove --window "$d" 4 4
xdotool key --clearmodifiers Tab Tab Tab
xdotool type --delay 50 "changed"
sleep 0.3
xdotool key --clearmodifiers shift+Tab shift+Tab shift+Tab
sleep 0.3
e2e_answer "$d" Return || e2e_fail "Enter on Cancel did not close the button dialog"
expect_active "after Enter on Cancel in the button dialog"

# The page dialog cancelled with Escape.
d=$(open_pages) || e2e_fail "the page property dialog did not open"
sleep 0.5
xdotool mousemove --window "$d" 4 4
e2e_answer "$d" Escape || e2e_fail "Escape did not close the page dialog"
expect_active "after Escape in the page dialog"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end"
[ "$(e2e_value "$dir/velmarin.ini" S)" = 7 ] ||
  e2e_fail "Enter in the fresh dialog applied: the window state is $(e2e_value "$dir/velmarin.ini" S)"
tip=$(e2e_value "$dir/velmarin.ini" T | iconv -f cp932 -t utf-8)
[ "$tip" = "メモ帳" ] || e2e_fail "Enter on Cancel applied: the tool tip is now $tip"
echo "PASS"
