#!/usr/bin/env bash
# A file dragged from another program onto a filled cell with Ctrl held goes into the button's
# drawer, and the drawer's tick shows on the cell at once, before anything else repaints it.
# The close cell saves the drawer as an M= line.
#   drop_drawer_ticks_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe="$(cd "$(dirname "$1")" && pwd)/tests/drag_probe.exe"
[ -f "$probe" ] || e2e_fail "no drag_probe.exe next to the tests"
echo note >"$dir/note.txt"
file="Z:$(echo "$dir/note.txt" | tr / '\\')"
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 MaxDrawer=4 FlgAppearance=2 G=0 P= 'P=C:\g\c.exe' 'T=c' |
  iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 1  # the drop target comes after the first paint

# The top edge of cell $1, where its drawer ticks are drawn, as text pixels.
top_edge() {
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$w")"
  import -window root -crop "37x5+$((X + 1 + $1 * 37))+$((Y + 1 + 17))" -depth 8 txt:- 2>/dev/null
}
before=$(top_edge 1)
[ -n "$before" ] || e2e_fail "no picture of cell 1"
# From the probe onto cell 1 (client 37..73 x 17..53) with Ctrl.
e2e_drop_file "$probe" "$file" "$w" 56 36 ctrl
ticked=""
for i in $(seq 1 20); do
  sleep 0.1
  if [ "$(top_edge 1)" != "$before" ]; then
    ticked=yes
    break
  fi
done
[ -n "$ticked" ] || e2e_fail "no drawer tick on cell 1 after the drop"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
saved=$(iconv -f cp932 -t utf-8 "$dir/velmarin.ini" | tr -d '\r')
grep -qxF "M=$file" <<<"$saved" || e2e_fail "no M= line for the dropped file in the saved settings"
grep -qxF 'P=C:\g\c.exe' <<<"$saved" || e2e_fail "the button's own item changed"
echo "PASS"
