#!/usr/bin/env bash
# A close request from outside (the task list's "end task", WM_CLOSE) shuts the program down the
# normal way, saving.
#   close_request_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"

e2e_start
program=$started
e2e_main_window >/dev/null || e2e_fail "the main window did not show"
"$VELMARIN_WINE" taskkill /im velmarin.exe >/dev/null 2>&1 || true
e2e_wait_exit "$program" || e2e_fail "the program did not end on a close request"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/expected.ini" "written on a close request"
echo "PASS"
