#!/usr/bin/env bash
# Arranging the row with the mouse: a drag with Shift moves a button, with Ctrl puts it into
# another's drawer, without keys inserts it; a right drag asks and swaps. The close cell saves it.
#   gestures_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/gestures.ini" "$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"

# A press on cell `from`, the mouse moved to cell `to` and released there, with keys held.
drag() {
  local from=$1 to=$2 button=$3 keys=${4:-}
  xdotool mousemove --window "$w" $((from * 37 + 19)) 36
  sleep 0.3
  if [ -n "$keys" ]; then xdotool keydown "$keys"; fi
  xdotool mousedown "$button"
  sleep 0.2
  xdotool mousemove --window "$w" $(((from + to) * 37 / 2 + 19)) 36
  sleep 0.1
  xdotool mousemove --window "$w" $((to * 37 + 19)) 36
  sleep 0.2
  xdotool mouseup "$button"
  if [ -n "$keys" ]; then xdotool keyup "$keys"; fi
  sleep 0.5
}

# The top edge of cell $1, where its drawer ticks are drawn, as text pixels.
top_edge() {
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$w")"
  import -window root -crop "37x5+$((X + 1 + $1 * 37))+$((Y + 1 + 17))" -depth 8 txt:- 2>/dev/null
}

drag 0 6 1 shift # moves a.exe to the empty cell 6
before=$(top_edge 2)
drag 1 2 1 ctrl # b.exe into c.exe's drawer
after=$(top_edge 2)
[ -n "$before" ] && [ "$after" != "$before" ] || e2e_fail "no drawer tick on cell 2"
drag 3 5 1       # d.exe inserted at 5: e and f move up
# A right drag from cell 2 onto cell 1 and "入れ替え(&R)" chosen with its key.
drag 2 1 3
sleep 1
xdotool key r
sleep 0.5

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end after a left click on the close cell"
ini=$(tr -d '\r' <"$dir/velmarin.ini")
buttons=$(echo "$ini" | sed -n '/^G=0$/,$p' | grep -E '^(P|M)=' | tr '\n' ' ')
want='P= P=C:\g\c.exe M=C:\g\b.exe P=C:\g\b.exe P=C:\g\e.exe P=C:\g\f.exe P=C:\g\d.exe P=C:\g\a.exe P= P= P= '
[ "$buttons" = "$want" ] || e2e_fail "the saved row is [$buttons], not [$want]"
echo "PASS"
