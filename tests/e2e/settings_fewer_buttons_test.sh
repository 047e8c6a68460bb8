#!/usr/bin/env bash
# Fewer buttons shown in the settings dialog while cells above the new number hold buttons: the
# dialog asks first. No keeps the number and the buttons in the file; Yes gives up those buttons.
#   settings_fewer_buttons_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

# Ten cells on two pages: buttons in cells 7 and 9 of the first page and cell 10 of the second.
{
  printf '%s\r\n' MaxButton=10 X=1500 Y=1200 MaxPage=2 G=0 C=一枚目 \
    'P=C:\windows\notepad.exe' P= P= P= P= P= 'P=C:\windows\regedit.exe' P= \
    'P=C:\windows\system32\cmd.exe' P= G=1 C=二枚目 P= P= P= P= P= P= P= P= P= \
    'P=C:\windows\explorer.exe'
} | iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

# Opens the settings, shows "表示 2" and types 5 into "表示するボタンの数", applies, and answers
# the question with key $2.
lower_to_five() {
  local w=$1 answer=$2 d q i
  d=$(e2e_open_from_menu "$w" 150 8 "velmarinの設定" c) || e2e_fail "the settings dialog did not open"
  sleep 0.3
  # From Cancel: the category list, its fifth item, then the X, Y and button number boxes.
  xdotool mousemove --window "$d" 4 4
  xdotool key --clearmodifiers Tab Down Down Down Down Tab Tab Tab End BackSpace BackSpace
  xdotool type --delay 50 5
  sleep 0.3
  xdotool key --clearmodifiers Return
  q=$(e2e_wait_window "ボタンの数の変更" 10) || e2e_fail "no question before buttons are lost"
  e2e_answer "$q" "$answer" || e2e_fail "the question did not take the answer $answer"
  for ((i = 0; i < 50; i++)); do
    e2e_viewable "$d" || return 0
    sleep 0.1
  done
  e2e_fail "the settings dialog stayed open after the question"
}

has_line() { LC_ALL=C grep -qF "$1"$'\r' "$dir/velmarin.ini"; }

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
lower_to_five "$w" n
e2e_main_window 447 5 >/dev/null || e2e_fail "No did not keep ten cells"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end"
[ "$(e2e_value "$dir/velmarin.ini" MaxButton)" = 10 ] ||
  e2e_fail "after No MaxButton is $(e2e_value "$dir/velmarin.ini" MaxButton)"
for item in 'P=C:\windows\regedit.exe' 'P=C:\windows\system32\cmd.exe' 'P=C:\windows\explorer.exe'; do
  has_line "$item" || e2e_fail "after No the file lost $item"
done

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show again"
lower_to_five "$w" y
w=$(e2e_main_window 262 10) || e2e_fail "Yes did not leave five cells"
# The close cell of the five-button window, 17 x 17 pixels at (243, 0), is not covered by the
# caption cell of the ten cells before (a row of five has no caption cell).
e2e_click "$w" 251 8 1
e2e_wait_exit "$program" || e2e_fail "the program did not end after Yes"
[ "$(e2e_value "$dir/velmarin.ini" MaxButton)" = 5 ] ||
  e2e_fail "after Yes MaxButton is $(e2e_value "$dir/velmarin.ini" MaxButton)"
has_line 'P=C:\windows\notepad.exe' || e2e_fail "after Yes the first button is gone"
for item in 'P=C:\windows\regedit.exe' 'P=C:\windows\system32\cmd.exe' 'P=C:\windows\explorer.exe'; do
  if has_line "$item"; then e2e_fail "after Yes the file still holds $item"; fi
done
echo "PASS"
