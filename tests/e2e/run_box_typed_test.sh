#!/usr/bin/env bash
# A command line typed into the Run box runs when Enter is pressed: the program with its
# argument, and the box is empty again.
#   run_box_typed_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"
probe="$(dirname "$1")/tests/launch_probe.exe"
[ -f "$probe" ] || e2e_fail "no launch_probe.exe next to the tests"
cp "$probe" "$dir/probe.exe"
win_dir="Z:$(echo "$dir" | tr '/' '\\')"
out="$dir/typed.txt"

e2e_start
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 0.5
# The Run box lies over the title strip above the last three cells (x 259, 113 wide).
e2e_click "$w" 300 10 1
sleep 0.3
xdotool type --delay 20 "${win_dir}\\probe.exe ${win_dir}\\typed.txt"
sleep 0.3
xdotool key Return
e2e_wait_file "$out" 10 || e2e_fail "Enter started nothing"
head -n1 "$out" | grep -qF "typed.txt" || e2e_fail "the probe did not get its argument: $(head -n1 "$out")"
echo "PASS"
