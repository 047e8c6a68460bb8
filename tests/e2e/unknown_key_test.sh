#!/usr/bin/env bash
# An unknown key in the settings file: OK goes on with the next line (and the key is gone from
# the file written at exit); Cancel ends start-up at once without saving.
#   unknown_key_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/unknown-key.ini" "$dir/velmarin.ini"

# The box carries the program's default title; the main window is still hidden while it shows.
e2e_start
program=$started
box=$(e2e_wait_window "velmarin" 30) || e2e_fail "no message for the unknown key"
e2e_answer "$box" Return || e2e_fail "the message did not take OK"
w=$(e2e_main_window) || e2e_fail "the main window did not show after OK"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/expected.ini" "written after OK"

cp "$e2e_data/unknown-key.ini" "$dir/velmarin.ini"
e2e_start
program=$started
box=$(e2e_wait_window "velmarin" 30) || e2e_fail "no message for the unknown key (second run)"
e2e_answer "$box" Escape || e2e_fail "the message did not take Cancel"
box=$(e2e_wait_window "起動の中止" 15) || e2e_fail "no start-up stopped message after Cancel"
e2e_answer "$box" Return || e2e_fail "the stop message did not take OK"
e2e_wait_exit "$program" || e2e_fail "the program did not end after Cancel"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/unknown-key.ini" "after Cancel (nothing saved)"
echo "PASS"
