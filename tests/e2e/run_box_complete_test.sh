#!/usr/bin/env bash
# The Run box completes the first letters of a button's tool tip: Enter then starts the button's
# program with the button's parameters. A Backspace takes the completed part away, and Enter on
# the bare letters starts nothing.
#   run_box_complete_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe=${VELMARIN_LAUNCH_PROBE:-$(dirname "$1")/tests/launch_probe.exe}
[ -f "$probe" ] || e2e_fail "no launch probe at $probe"
cp "$probe" "$dir/launch_probe.exe"

folder="Z:${dir//\//\\}"
report="$dir/complete.txt"
params="\"$folder\\complete.txt\" alpha"
# FlgRunBehavior 1: a tool tip typed in the box runs with the button's parameters.
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 FlgRunBehavior=1 G=0 C=起動 \
  "P=$folder\\launch_probe.exe" T=ProbeTool "R=$params" | iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

e2e_start
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 0.5

# The Run box lies over the title strip above the last three cells (x 259, 113 wide).
e2e_click "$w" 300 10 1
sleep 0.3
xdotool type --delay 60 "pro"
sleep 0.3
xdotool key BackSpace
sleep 0.3
xdotool key Return
sleep 3
[ -e "$report" ] && e2e_fail "Enter on the bare letters \"pro\" started the program: $(head -n1 "$report")"

e2e_click "$w" 300 10 1
sleep 0.3
xdotool type --delay 60 "pro"
sleep 0.3
xdotool key Return
e2e_wait_file "$report" || e2e_fail "Enter after \"pro\" started nothing: the box did not complete ProbeTool"
command_line=$(sed -n 1p "$report" | tr -d '\r')
case "$command_line" in
  *launch_probe.exe*"$params"*) ;;
  *) e2e_fail "the program got [$command_line], not the button's parameters [$params]" ;;
esac
echo "PASS"
