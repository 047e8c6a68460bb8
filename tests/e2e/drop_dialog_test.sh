#!/usr/bin/env bash
# While the settings dialog is open, a file dragged onto an empty cell gets the pointer that
# says nothing may be dropped there, and the drop registers nothing. The drag comes from the
# drag probe (see drop_register_test.sh), which says what the drop did once the drag has ended.
#   drop_dialog_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe="$(cd "$(dirname "$1")" && pwd)/tests/drag_probe.exe"
[ -f "$probe" ] || e2e_fail "no drag_probe.exe next to the tests"
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 G=0 C=起動 | iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"
echo note >"$dir/plan.txt"
file="Z:$(echo "$dir/plan.txt" | tr / '\\')"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
d=$(e2e_open_from_menu "$w" 150 8 "velmarinの設定" c) || e2e_fail "the settings dialog did not open"

# From the probe onto cell 1 (empty, client 37..73 x 17..53).
e2e_drop_file "$probe" "$file" "$w" 56 36
e2e_wait_file "$dir/drag_probe.txt" || e2e_fail "the drag did not end"
[ "$(cat "$dir/drag_probe.txt")" = none ] ||
  e2e_fail "the cell took the file under the dialog ($(cat "$dir/drag_probe.txt"))"

# The probe has the keyboard now; a click on the dialog's caption gives it back to the dialog.
xdotool mousemove --window "$d" 300 8 click 1
for ((i = 0; i < 100; i++)); do
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$d" ] && break
  sleep 0.1
done
e2e_answer "$d" Escape || e2e_fail "Escape did not close the dialog"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end"
! grep -qF "plan.txt" "$dir/velmarin.ini" || e2e_fail "the dropped file was registered"
echo "PASS"
