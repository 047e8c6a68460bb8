#!/usr/bin/env bash
# The settings dialog from the main menu: Enter without a change saves the same file; a check
# box switched on with the keyboard and applied is saved; Apply leaves the history arrows showing
# the history and the drop mode as it was.
#   settings_dialog_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"

open_settings() { e2e_open_from_menu "$1" 150 8 "velmarinの設定" c; }

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
d=$(open_settings "$w") || e2e_fail "the settings dialog did not open"
sleep 0.5
import -window root "$e2e_root/build/e2e/settings-dialog.png" 2>/dev/null || true
e2e_answer "$d" Return || e2e_fail "Enter did not apply and close the dialog"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/expected.ini" "settings applied unchanged"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show again"
d=$(open_settings "$w") || e2e_fail "the settings dialog did not open again"
sleep 0.3
# From Cancel: the category list, then the first check box ("show tool tips"), switched on.
xdotool mousemove --window "$d" 4 4
xdotool key --clearmodifiers Tab Tab space
sleep 0.3
e2e_answer "$d" Return || e2e_fail "Enter did not apply the change"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end after the change"
[ "$(e2e_value "$dir/velmarin.ini" FlgAppearance)" = 1 ] ||
  e2e_fail "FlgAppearance is $(e2e_value "$dir/velmarin.ini" FlgAppearance), not 1"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show a third time"
back="$dir/../settings-dialog-back.png"
e2e_picture "$w" "$back.grey.png" 37 17 0 0
# The next page (the cell at (408, 17)) puts the first one behind: the back arrow lights up.
# Then the mode cell (at (408, 0)) switches to execute mode.
e2e_click "$w" 426 25 1
e2e_wait_picture "$w" "$back.grey.png" "$back.lit.png" differs 37 17 0 0 ||
  e2e_fail "the back arrow did not light up after a page change"
e2e_click "$w" 417 8 1
d=$(open_settings "$w") || e2e_fail "the settings dialog did not open a third time"
sleep 0.3
# "show tool tips" switched off again, and applied.
xdotool mousemove --window "$d" 4 4
xdotool key --clearmodifiers Tab Tab space
sleep 0.3
e2e_answer "$d" Return || e2e_fail "Enter did not apply the third change"
e2e_wait_picture "$w" "$back.lit.png" "$back" same 37 17 0 0 ||
  e2e_fail "after Apply the back arrow does not show the page behind"
rm -f "$back" "$back.grey.png" "$back.lit.png"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end after the third change"
[ "$(e2e_value "$dir/velmarin.ini" FlgAppearance)" = 0 ] ||
  e2e_fail "the third change was not applied: FlgAppearance is $(e2e_value "$dir/velmarin.ini" FlgAppearance)"
[ "$(e2e_value "$dir/velmarin.ini" FlgMode)" = 2 ] ||
  e2e_fail "Apply left register mode: FlgMode is $(e2e_value "$dir/velmarin.ini" FlgMode), not 2"
echo "PASS"
