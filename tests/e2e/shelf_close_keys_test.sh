#!/usr/bin/env bash
# Closing the shelf while its list has the keyboard hands the keyboard to the Run box, whether a
# double click on the list or the toggle cell closes it: what is typed next runs from the box.
#   shelf_close_keys_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe=${VELMARIN_LAUNCH_PROBE:-$(dirname "$1")/tests/launch_probe.exe}
[ -f "$probe" ] || e2e_fail "no launch probe at $probe"
cp "$probe" "$dir/probe.exe"
folder="Z:${dir//\//\\}"
echo note >"$dir/plan.txt"
# The shelf starts open (FlgMode 24) with one entry and closes on a double click
# (FlgStorageBehavior 16 + 4).
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 FlgStorageBehavior=20 FlgMode=24 G=0 C=起動 \
  P= P= P= P= P= P= P= P= P= P= "O=$folder\\plan.txt" | iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 0.5

# Waits until the window is (open) or is not (closed) as high as with the shelf open.
wait_shelf() {
  local want=$1 i X Y WIDTH HEIGHT SCREEN
  for ((i = 0; i < 100; i++)); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$want" = open ] && [ "$HEIGHT" = 160 ]; then return 0; fi
    if [ "$want" = closed ] && [ "$HEIGHT" != 160 ]; then return 0; fi
    sleep 0.1
  done
  return 1
}

# Types a command line that starts the probe writing $1, and Enter; waits for the file.
type_probe() {
  xdotool type --delay 20 "${folder}\\probe.exe ${folder}\\$1"
  sleep 0.3
  xdotool key Return
  e2e_wait_file "$dir/$1" 10
}

wait_shelf open || e2e_fail "the shelf did not start open"
e2e_click "$w" 12 67 1 # the entry: the list has the keyboard
sleep 1                # no double click with the next press
xdotool mousemove --window "$w" 301 141
sleep 0.2
xdotool click --repeat 2 --delay 80 1 # a double click on the list's empty background
wait_shelf closed || e2e_fail "the double click did not close the shelf"
type_probe double.txt || e2e_fail "typing after the double click went nowhere"

e2e_click "$w" 398 8 1 # the toggle: open
wait_shelf open || e2e_fail "the toggle did not open the shelf"
e2e_click "$w" 12 67 1
sleep 0.3
e2e_click "$w" 398 8 1 # the toggle: closed
wait_shelf closed || e2e_fail "the toggle did not close the shelf"
type_probe toggle.txt || e2e_fail "typing after the toggle closed the shelf went nowhere"

kill -0 "$program" 2>/dev/null || e2e_fail "the program ended"
echo "PASS"
