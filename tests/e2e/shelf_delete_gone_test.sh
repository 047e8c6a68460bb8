#!/usr/bin/env bash
# "削除(&W)" on a selection of two shelf entries, one whose file exists and one whose file was
# deleted behind the program's back: the user declines the shell's question, so the existing
# file and its entry stay, and the entry of the file that was already gone leaves the shelf (it
# is no longer saved as an O= line).
#   shelf_delete_gone_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

files="$dir/shelf files"
mkdir -p "$files"
echo alpha >"$files/alpha.txt"
echo stale >"$files/stale.txt"
folder="Z:${files//\//\\}"
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 FlgStorageBehavior=16 FlgMode=24 \
  ColStorageBack=16777215 G=0 P= "O=$folder\\stale.txt" "O=$folder\\alpha.txt" |
  iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
rm "$files/stale.txt"  # gone while the program runs
# The shelf's entries are 16 pixels apart from y = 65 of the client area. The stale entry is
# selected first, then the existing one is added with Ctrl and keeps the focus (the menu's file
# commands follow the focused entry).
e2e_click "$w" 40 65 1
sleep 0.3
xdotool keydown ctrl
e2e_click "$w" 40 82 1
xdotool keyup ctrl
sleep 0.3
e2e_click "$w" 40 82 3
sleep 0.7
xdotool key w
question=$(e2e_wait_window "ファイルの削除の確認" 20) || e2e_fail "the shell did not ask"
e2e_answer "$question" n || e2e_fail "the question did not go on n"
sleep 0.5
[ -f "$files/alpha.txt" ] || e2e_fail "a declined delete removed the file"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
entries=$(iconv -f cp932 -t utf-8 "$dir/velmarin.ini" | tr -d '\r' | sed -n 's/^O=//p')
want="$folder\\alpha.txt"
[ "$entries" = "$want" ] || e2e_fail "the shelf holds [$entries], not [$want]"
echo "PASS"
