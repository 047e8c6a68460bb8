#!/usr/bin/env bash
# The settings dialog from the main menu: Enter without a change saves the same file; a check
# box switched on with the keyboard and applied is saved.
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
echo "PASS"
