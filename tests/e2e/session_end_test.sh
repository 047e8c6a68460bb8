#!/usr/bin/env bash
# When the session ends (log-off, shut-down) the program saves as on a normal exit.
#   session_end_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"

e2e_start
program=$started
e2e_main_window >/dev/null || e2e_fail "the main window did not show"
# Wine's end of session: every program is asked and told, as Windows does at log-off.
"$VELMARIN_WINE" wineboot --end-session >/dev/null 2>&1 || true
e2e_wait_exit "$program" || e2e_fail "the program did not end with the session"
e2e_same_file "$dir/velmarin.ini" "$e2e_data/expected.ini" "written at the end of the session"
echo "PASS"
