#!/usr/bin/env bash
# A shelf entry dragged out with Alt onto a filled cell in execute mode is opened by the cell's
# program once: the drag through the system drops it, and nothing else acts on the release.
#   shelf_alt_drag_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe=${VELMARIN_LAUNCH_PROBE:-$(dirname "$1")/tests/launch_probe.exe}
[ -f "$probe" ] || e2e_fail "no launch probe at $probe"
cp "$probe" "$dir/launch_probe.exe"
folder="Z:${dir//\//\\}"
echo note >"$dir/plan.txt"
# The shelf starts open (FlgMode 24, FlgStorageBehavior 16) with one entry; cell 0 holds the
# probe, which writes report.txt and adds a line to report.txt.log at each start.
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 MaxMultiExecute=1 FlgStorageBehavior=16 FlgMode=24 \
  G=0 C=起動 "P=$folder\\launch_probe.exe" "R=$folder\\report.txt" \
  P= P= P= P= P= P= P= P= P= "O=$folder\\plan.txt" | iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 1                # the drop target comes after the first paint
e2e_click "$w" 416 8 1 # the mode cell: execute mode
sleep 0.3
e2e_click "$w" 12 67 1 # the shelf's entry, selected
sleep 1                # no double click with the press that follows

xdotool mousemove --window "$w" 13 68
sleep 0.2
xdotool keydown alt
xdotool mousedown 1
for step in 1 2 3 4 5 6; do
  sleep 0.15
  xdotool mousemove --window "$w" $((13 + step)) $((68 - step * 6))
done
sleep 0.3
xdotool mouseup 1
xdotool keyup alt

e2e_wait_file "$dir/report.txt" 10 || e2e_fail "the cell's program did not open the entry"
sleep 2 # a second start would come now
starts=$(wc -l <"$dir/report.txt.log")
[ "$starts" = 1 ] || e2e_fail "the cell's program was started $starts times: $(cat "$dir/report.txt.log")"
grep -qF "plan.txt" "$dir/report.txt" || e2e_fail "the program got: $(head -n1 "$dir/report.txt")"
kill -0 "$program" 2>/dev/null || e2e_fail "the program ended"
echo "PASS"
