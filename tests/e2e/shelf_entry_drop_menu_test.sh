#!/usr/bin/env bash
# A shelf entry dragged with the right button onto a cell asks with the drop menu: "ドローワに
# 入れる(&V)" puts the entry into the button's drawer (its tick shows at once), "登録(&R)" puts it on
# the button. The close cell saves both.
#   shelf_entry_drop_menu_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

files="$dir/shelf files"
mkdir -p "$files"
echo alpha >"$files/alpha.txt"
entry="Z:${files//\//\\}\\alpha.txt"
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 MaxDrawer=4 FlgAppearance=2 FlgStorageBehavior=16 \
  FlgMode=24 ColStorageBack=16777215 G=0 P= P= 'P=C:\g\c.exe' 'T=c' P= "O=$entry" |
  iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"

# The top edge of cell $1, where its drawer ticks are drawn, as text pixels.
top_edge() {
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$w")"
  import -window root -crop "37x5+$((X + 1 + $1 * 37))+$((Y + 1 + 17))" -depth 8 txt:- 2>/dev/null
}
# The shelf's first entry (client y 65) dragged with the right button onto cell 2, and the
# drop menu's item chosen by its letter.
drop_entry() {
  local step
  xdotool mousemove --window "$w" 41 66
  sleep 0.3
  xdotool mousedown 3
  for step in 1 2 3 4 5 6; do
    sleep 0.1
    xdotool mousemove --window "$w" $((41 + step * 6)) $((66 - step * 5))
  done
  xdotool mousemove --window "$w" $((2 * 37 + 19)) 36
  sleep 0.3
  xdotool mouseup 3
  sleep 0.8
  [ -n "${E2E_SHOTS:-}" ] && import -window root "$dir/../shelf-entry-drop-menu-$1.png"
  xdotool key "$1"
  sleep 0.3
}

e2e_click "$w" 40 65 1  # the entry selected
sleep 0.3
before=$(top_edge 2)
drop_entry v
sleep 0.3
after=$(top_edge 2)
[ -n "$before" ] && [ "$after" != "$before" ] || e2e_fail "no drawer tick on cell 2 after the drop"
drop_entry r

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
saved=$(iconv -f cp932 -t utf-8 "$dir/velmarin.ini" | tr -d '\r')
buttons=$(echo "$saved" | sed -n '/^G=0$/,$p' | grep -E '^(P|M)=' | head -n 4 | tr '\n' ' ')
want="P= P= P=$entry M=$entry "
[ "$buttons" = "$want" ] || e2e_fail "the saved row begins [$buttons], not [$want]"
echo "PASS"
