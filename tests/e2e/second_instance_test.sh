#!/usr/bin/env bash
# A second start shows "already running" and ends; the first instance runs on alone and the
# settings file is not touched by the second.
#   second_instance_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"

e2e_start
first=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
e2e_start
second=$started
box=$(e2e_wait_window "二重起動" 20) || e2e_fail "the second start showed no message"
[ "$(e2e_count_windows velmarin)" = 1 ] || e2e_fail "a second main window showed"
e2e_answer "$box" Return || e2e_fail "the message did not take OK"
e2e_wait_exit "$second" || e2e_fail "the second instance did not end"
kill -0 "$first" 2>/dev/null || e2e_fail "the first instance ended"
[ "$(e2e_count_windows velmarin)" = 1 ] || e2e_fail "not exactly one main window left"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/prepared.ini" "after the second start"

e2e_click_close "$w" 1
e2e_wait_exit "$first" || e2e_fail "the first instance did not end on a left click"
echo "PASS"
