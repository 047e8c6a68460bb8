#!/usr/bin/env bash
# A screen reader's view of the main window, read from another process as a reader reads it
# (access_probe.exe, beside the launch probe): every cell of the sample's first page by name,
# role and state, in screen order, then the Run box; a page turned by the reader's press on the
# next-page cell, which renames the cells and lights the back arrow, with the events a reader
# hears; the mode cell pressed into execute mode; a button cell pressed, which launches its
# item; two presses made while the window is busy, a page turn and a button of the page it
# leaves, of which the second does nothing (the button under it on the new page does not
# launch); the Run box named where the keyboard lands, a name typed and Enter; nothing pressed
# while a dialog is open; and the close cell pressed, which saves and quits.
#   screen_reader_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
launch=${VELMARIN_LAUNCH_PROBE:-$(dirname "$1")/tests/launch_probe.exe}
probe=$(dirname "$launch")/access_probe.exe
[ -f "$probe" ] || e2e_fail "no access probe at $probe"
cp "$launch" "$dir/launch_probe.exe"
cp "$probe" "$dir/access_probe.exe"

# The sample's settings, with the launch probe in the first empty cell of the first page, and a
# copy of it in the first empty cell of the second, under the first page's タスクマネージャ.
folder="Z:${dir//\//\\}"
e2e_settings "$e2e_root/resources/sample/velmarin.ini"
cp "$launch" "$dir/stale_probe.exe"
FOLDER=$folder python3 - "$dir/velmarin.ini" <<'EOF'
import os, sys
path = sys.argv[1]
data = open(path, 'rb').read()
def cell(exe, tip):
    return ('P=' + os.environ['FOLDER'] + '\\' + exe + '\r\nT=' + tip + '\r\n').encode('cp932')
first, rest = data.split(b'G=1\r\n', 1)
first = first.replace(b'P=\r\n', cell('launch_probe.exe', 'probe'), 1)
rest = rest.replace(b'P=\r\n', cell('stale_probe.exe', 'stale'), 1)
open(path, 'wb').write(first + b'G=1\r\n' + rest)
EOF

access() { (cd "$dir" && "$VELMARIN_WINE" access_probe.exe "$@"); }
# The children as "name|role|state" lines.
read_row() {
  access list "$dir/list.txt" || return 1
  tr -d '\r' <"$dir/list.txt" | awk -F'\t' '{print $2 "|" $3 "|" $4}' >"$dir/row.txt"
}
# The Run box comes just after the first paint: read until it is there.
read_until_run_box() {
  local i
  for i in $(seq 1 20); do
    read_row && grep -q '^実行ボックス|' "$dir/row.txt" && return 0
    sleep 0.5
  done
  return 1
}
expect_row() {
  if ! diff <(grep -v '^実行ボックス|' "$dir/row.txt") - >"$dir/row.diff"; then
    cat "$dir/row.diff" >&2
    e2e_fail "the reader did not read $1 as expected"
  fi
}
press() {
  rm -f "$dir/press.txt"
  access press "$1" "$dir/press.txt"
}

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
read_until_run_box || e2e_fail "the reader found no Run box: $(cat "$dir/row.txt" 2>/dev/null)"
grep -q '^実行ボックス|combobox|' "$dir/row.txt" || e2e_fail "the Run box is no combo box"
expect_row "the first page" <<'EOF'
戻る|button|unavailable
進む|button|unavailable
よく使う|text|readonly
物置きを開く|button|normal
登録モード|button|normal
閉じる|button|normal
メモ帳|button|normal
コマンドプロンプト|button|normal
ユーザーフォルダ|button|normal
Windowsフォルダ|button|normal
タスクマネージャ|button|normal
probe|button|normal
空き|button|normal
空き|button|normal
空き|button|normal
空き|button|normal
前のページ|button|normal
次のページ|button|normal
EOF
# The first button cell where the reader points: 37 x 37 at (0, 17) of the client area.
eval "$(xdotool getwindowgeometry --shell "$w")"
where=$(awk -F'\t' '$2 == "メモ帳" {print $5}' "$dir/list.txt")
[ "$where" = "$((X + 1)),$((Y + 18)),37,37" ] ||
  e2e_fail "the first cell is at $where, not at $((X + 1)),$((Y + 18)),37,37"
description=$(awk -F'\t' '$2 == "メモ帳" {print $6 "|" $7}' "$dir/list.txt")
[ "$description" = 'C:\windows\notepad.exe|実行' ] ||
  e2e_fail "the first cell's description and action are [$description]"

# The reader turns the page: the caption (3) and the cells read anew, the back arrow (1) lights.
press 次のページ || e2e_fail "the next-page cell could not be pressed: $(cat "$dir/press.txt" 2>/dev/null)"
grep -qx 'name 3' "$dir/press.txt" || e2e_fail "no name change of the caption: $(cat "$dir/press.txt")"
grep -qx 'state 1' "$dir/press.txt" || e2e_fail "no state change of the back arrow: $(cat "$dir/press.txt")"
grep -qx 'name 7' "$dir/press.txt" || e2e_fail "no name change of the first cell: $(cat "$dir/press.txt")"
read_row || e2e_fail "the reader could not read the window after the turn"
expect_row "the second page" <<'EOF'
戻る|button|normal
進む|button|unavailable
ツール|text|readonly
物置きを開く|button|normal
登録モード|button|normal
閉じる|button|normal
レジストリエディタ|button|normal
コントロールパネル|button|normal
エクスプローラ|button|normal
バージョン情報|button|normal
stale|button|normal
空き|button|normal
空き|button|normal
空き|button|normal
空き|button|normal
空き|button|normal
前のページ|button|normal
次のページ|button|normal
EOF

# The mode cell (5), pressed, reads as execute mode, held down.
press 登録モード || e2e_fail "the mode cell could not be pressed"
grep -qx 'state 5' "$dir/press.txt" || e2e_fail "no state change of the mode cell: $(cat "$dir/press.txt")"
read_row || e2e_fail "the reader could not read the window after the mode change"
grep -qx '実行モード|button|pressed' "$dir/row.txt" || e2e_fail "the mode cell does not read as execute mode"
press 実行モード || e2e_fail "the mode cell could not be pressed back"

# The shelf toggle (4) opens the shelf: the list joins the reader's children after the Run box.
press 物置きを開く || e2e_fail "the shelf toggle could not be pressed"
grep -qx 'reorder' "$dir/press.txt" || e2e_fail "no reorder when the shelf opened: $(cat "$dir/press.txt")"
read_row || e2e_fail "the reader could not read the window with the shelf open"
tail -n1 "$dir/row.txt" | grep -q '^物置き|list|' || e2e_fail "the open shelf is not the last child"
press 物置きを閉じる || e2e_fail "the shelf toggle could not be pressed again"

# Back to the first page, and the probe's cell launches it.
press 戻る || e2e_fail "the back cell could not be pressed"
# The launch probe, started with no argument, writes down each start beside itself.
log="$dir/launch_probe.exe.txt.log"
press probe || e2e_fail "the probe's cell could not be pressed"
e2e_wait_file "$log" 30 || e2e_fail "pressing the probe's cell launched nothing"

# A page turn and a press on タスクマネージャ, both made before the busy window carried out
# either: the turn shows the second page, and the press, made on the first, launches nothing,
# not the probe that now lies under it.
stale_log="$dir/stale_probe.exe.txt.log"
access press2 次のページ タスクマネージャ "$dir/press2.txt" ||
  e2e_fail "the two presses could not be made: $(cat "$dir/press2.txt" 2>/dev/null)"
e2e_until bash -c "cd '$dir' && '$VELMARIN_WINE' access_probe.exe list list.txt && grep -q 'ツール' list.txt" ||
  e2e_fail "the page did not turn"
sleep 2
[ ! -e "$stale_log" ] || e2e_fail "a press made on the first page launched the second page's button"
press 戻る || e2e_fail "the back cell could not be pressed after the two presses"

# The keyboard's way: in the Run box (named so for the reader), the first letters of a button's
# name and Enter launch it.
e2e_click "$w" 300 8 1
e2e_until bash -c "cd '$dir' && '$VELMARIN_WINE' access_probe.exe focus focus.txt" ||
  e2e_fail "the reader found no object with the keyboard"
focused=$(tr -d '\r' <"$dir/focus.txt" | awk -F'\t' '{print $2 "|" $3}')
[ "$focused" = '実行ボックス|edit' ] || e2e_fail "the reader heard [$focused] in the Run box"
xdotool type --delay 150 pro
sleep 0.5
xdotool key Return
e2e_until bash -c "[ \$(wc -l <'$log') -ge 2 ]" || e2e_fail "typing the button's name and Enter launched nothing"

# While a dialog is open a press does nothing, as a click.
d=$(e2e_open_from_menu "$w" 150 8 "velmarinの設定" c) || e2e_fail "the settings dialog did not open"
before=$(wc -l <"$log")
press probe && e2e_fail "a press went through while the settings dialog was open"
sleep 1
[ "$(wc -l <"$log")" = "$before" ] || e2e_fail "a press launched while the settings dialog was open"
e2e_answer "$d" Escape || e2e_fail "Escape did not close the settings dialog"

# The close cell, pressed by the reader, saves and ends the program.
press 閉じる || e2e_fail "the close cell could not be pressed"
e2e_wait_exit "$program" || e2e_fail "the program did not end when the reader pressed the close cell"
[ "$exit_code" = 0 ] || e2e_fail "the program ended with code $exit_code"
echo "PASS"
