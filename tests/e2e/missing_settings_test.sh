#!/usr/bin/env bash
# Without a settings file the program says so, starts with every default and writes the file at
# exit.
#   missing_settings_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

e2e_start
program=$started
box=$(e2e_wait_window "設定ファイルがみつかりません" 30) || e2e_fail "no missing-file message"
e2e_answer "$box" Return || e2e_fail "the message did not take OK"
w=$(e2e_main_window) || e2e_fail "the main window did not show after the message"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
[ -f "$dir/velmarin.ini" ] || e2e_fail "no settings file written at exit"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/expected-defaults.ini" "defaults written at exit"
echo "PASS"
