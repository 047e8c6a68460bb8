#!/usr/bin/env bash
# Files go out with Alt only once the mouse has moved, and only onto another place: an Alt-click
# on a cell is a click; a cell or shelf entry dragged with Alt and let go where it was picked up
# does nothing (the cell keeps its tool tip, the shelf says nothing of a duplicate); a shelf entry
# dragged with Alt onto a filled cell in execute mode is opened by the cell's program once.
#   shelf_alt_drag_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe=${VELMARIN_LAUNCH_PROBE:-$(dirname "$1")/tests/launch_probe.exe}
[ -f "$probe" ] || e2e_fail "no launch probe at $probe"
cp "$probe" "$dir/launch_probe.exe"
folder="Z:${dir//\//\\}"
echo note >"$dir/plan.txt"
# The shelf starts open (FlgMode 24) with one entry and tells of duplicates (FlgStorageBehavior
# 16 + 8); cell 0 holds the probe with a tool tip of its own. The probe writes report.txt and
# adds a line to report.txt.log at each start.
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 MaxMultiExecute=1 FlgStorageBehavior=24 FlgMode=24 \
  G=0 C=起動 "P=$folder\\launch_probe.exe" T=わたしのメモ "R=$folder\\report.txt" \
  P= P= P= P= P= P= P= P= P= "O=$folder\\plan.txt" | iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"
tip=$(printf 'わたしのメモ' | iconv -f utf-8 -t cp932)

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 1 # the drop target comes after the first paint

# A left press with Alt at (x, y) of the client area, the mouse moved through the points given
# as "dx,dy" from there, Alt let go (before the release when the last argument is "early"), and
# the release.
alt_drag() {
  local x=$1 y=$2 when=${3:-late} step
  shift 3
  xdotool mousemove --window "$w" $((x + 1)) $((y + 1))
  sleep 0.2
  xdotool keydown alt
  xdotool mousedown 1
  for step in "$@"; do
    sleep 0.15
    xdotool mousemove --window "$w" $((x + 1 + ${step%,*})) $((y + 1 + ${step#*,}))
  done
  sleep 0.3
  if [ "$when" = early ]; then xdotool keyup alt; fi
  xdotool mouseup 1
  if [ "$when" != early ]; then xdotool keyup alt; fi
  sleep 0.3
}

# Register mode. Cell 0 dragged off and back onto itself, Alt let go first: not registered again.
alt_drag 18 36 early 3,0 8,0 14,0 8,0 2,0
# The shelf's entry dragged down the list and back: not put on the shelf a second time.
e2e_click "$w" 12 67 1 # the entry, selected
sleep 1                # no double click with the press that follows
alt_drag 12 67 late 0,4 0,10 0,16 0,8 1,1
# An Alt-click on cell 0: the probe starts once, with its own parameters only.
alt_drag 18 36 late
if ! e2e_wait_file "$dir/report.txt" 10; then
  [ "$(e2e_count_windows 登録ファイルの重複)" = 0 ] || e2e_fail "the shelf took its own entry again"
  e2e_fail "the Alt-click did not start the cell's program"
fi
[ "$(grep -o 'launch_probe' "$dir/report.txt" | wc -l)" = 1 ] ||
  e2e_fail "the Alt-click dropped the cell's file on itself: $(head -n1 "$dir/report.txt")"

# Execute mode: the shelf's entry dragged with Alt onto cell 0 is opened by the probe.
rm -f "$dir/report.txt"
e2e_click "$w" 416 8 1 # the mode cell: execute mode
sleep 0.3
alt_drag 12 67 late 1,-6 2,-12 3,-18 4,-24 5,-30 6,-31
e2e_wait_file "$dir/report.txt" 10 || e2e_fail "the cell's program did not open the entry"
grep -qF "plan.txt" "$dir/report.txt" || e2e_fail "the program got: $(head -n1 "$dir/report.txt")"
[ "$(e2e_count_windows 登録ファイルの重複)" = 0 ] || e2e_fail "the shelf took its own entry again"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
starts=$(wc -l <"$dir/report.txt.log")
[ "$starts" = 2 ] || e2e_fail "the cell's program was started $starts times: $(cat "$dir/report.txt.log")"
[ "$(e2e_value "$dir/velmarin.ini" T)" = "$tip" ] ||
  e2e_fail "cell 0's tool tip became $(e2e_value "$dir/velmarin.ini" T | iconv -f cp932 -t utf-8)"
[ "$(grep -c '^O=' "$dir/velmarin.ini")" = 1 ] || e2e_fail "the shelf holds its entry twice"
echo "PASS"
