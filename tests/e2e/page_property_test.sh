#!/usr/bin/env bash
# The page property dialog from a cell's right-click menu: a page added with "新規(&w)", named
# and applied is saved at exit; a rename cancelled with the close box is not.
#   page_property_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"

# A right click on the first cell opens its menu; "g" chooses the page settings.
open_pages() { e2e_open_from_menu "$1" 18 35 "ページのプロパティ" g; }

# The captions of the saved pages, in order.
captions() {
  tr -d '\r' <"$dir/velmarin.ini" | sed -n 's/^C=//p' | iconv -f cp932 -t utf-8 | tr '\n' ' '
}

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
d=$(open_pages "$w") || e2e_fail "the page property dialog did not open"
sleep 0.5
# The focus starts on Cancel: "w" adds a page, selects it and keeps the focus on "新規(&w)"; the
# caption box, one stop back, names it.
xdotool mousemove --window "$d" 4 4
xdotool key --clearmodifiers w
sleep 0.3
xdotool key --clearmodifiers shift+Tab
xdotool type --delay 50 "third"
sleep 0.3
e2e_answer "$d" Return || e2e_fail "Enter did not apply and close the dialog"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end"
[ "$(e2e_value "$dir/velmarin.ini" MaxPage)" = 3 ] ||
  e2e_fail "MaxPage is $(e2e_value "$dir/velmarin.ini" MaxPage), not 3"
want="テスト 二枚目 third "
[ "$(captions)" = "$want" ] || e2e_fail "the saved pages are [$(captions)], not [$want]"

# The first page renamed, then the dialog closed with its close box: nothing changes.
e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show again"
d=$(open_pages "$w") || e2e_fail "the dialog did not open again"
sleep 0.5
# From Cancel the list, then the caption box.
xdotool mousemove --window "$d" 4 4
xdotool key --clearmodifiers Tab Tab
xdotool type --delay 50 "gone"
sleep 0.3
e2e_click_close_box "$d"
for ((i = 0; i < 50; i++)); do e2e_viewable "$d" || break; sleep 0.1; done
e2e_viewable "$d" && e2e_fail "the close box did not close the dialog"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end after the close box"
[ "$(captions)" = "$want" ] || e2e_fail "the close box changed the pages to [$(captions)]"
echo "PASS"
