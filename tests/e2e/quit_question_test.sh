#!/usr/bin/env bash
# A right click on the close cell asks whether to quit without saving: Cancel keeps the program
# running, Yes quits leaving the file as it was, No quits and writes it.
#   quit_question_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"

ask() {
  e2e_click_close "$1" 3
  e2e_wait_window "終了の確認" 15 || e2e_fail "no question after a right click on the close cell"
}

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
box=$(ask "$w")
e2e_answer "$box" Escape || e2e_fail "the question did not take Cancel"
sleep 1
kill -0 "$program" 2>/dev/null || e2e_fail "Cancel ended the program"
e2e_viewable "$w" || e2e_fail "Cancel hid the main window"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/prepared.ini" "after Cancel"

box=$(ask "$w")
e2e_answer "$box" y || e2e_fail "the question did not take Yes"
e2e_wait_exit "$program" || e2e_fail "Yes did not end the program"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/prepared.ini" "after Yes (quit without saving)"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show again"
box=$(ask "$w")
e2e_answer "$box" n || e2e_fail "the question did not take No"
e2e_wait_exit "$program" || e2e_fail "No did not end the program"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/expected.ini" "after No (quit with saving)"
echo "PASS"
