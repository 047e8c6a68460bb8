#!/usr/bin/env bash
# The hot key brings the main window forward when another window covers it and has the keyboard,
# and the keyboard goes back to the Run box: a command typed then runs with Enter.
#   hot_key_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

# FlgSystem 4: the hot key is on; HotKeyFlg 3 (Alt + Ctrl) with key 86 ("V").
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 FlgSystem=4 HotKeyFlg=3 HotKeyKey=86 G=0 C=起動 \
  | iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

probe="$(dirname "$1")/tests/launch_probe.exe"
[ -f "$probe" ] || e2e_fail "no launch_probe.exe next to the tests"
cp "$probe" "$dir/probe.exe"
win_dir="Z:$(echo "$dir" | tr '/' '\\')"
out="$dir/typed.txt"

e2e_start
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 0.5
# Something typed into the Run box (x 259, 113 wide, over the strip) before the other program
# takes the keyboard.
e2e_click "$w" 300 10 1
sleep 0.3
xdotool type --delay 20 "abc"
sleep 0.3

# Another program's window over the main window, with the keyboard.
(cd "$dir" && exec "$VELMARIN_WINE" notepad.exe) &
e2e_pids+=("$!")
other=""
for ((i = 0; i < 300; i++)); do
  [ -n "$other" ] && break
  for c in $(xdotool search --onlyvisible --name 'Notepad|メモ帳' 2>/dev/null); do
    [ "$c" != "$w" ] && other=$c && break
  done
  sleep 0.1
done
[ -n "$other" ] || e2e_fail "the covering window did not show"
sleep 0.5
xdotool windowmove "$other" 50 40
xdotool windowsize "$other" 600 300
sleep 0.5
xdotool mousemove --window "$other" 300 150 click 1
sleep 0.5

# Which of the two windows lies above the other (xwininfo lists the top window first).
above() {
  local top_w top_other
  top_w=$(e2e_toplevel "$w")
  top_other=$(e2e_toplevel "$other")
  xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p' \
    | while read -r id; do
      case $((id)) in
        "$top_w") echo main; break ;;
        "$top_other") echo other; break ;;
      esac
    done
}
[ "$(above)" = other ] || e2e_fail "the other window did not cover the main window"
[ "$(xdotool getwindowfocus)" = "$other" ] || e2e_fail "the other window did not get the keyboard"

xdotool key ctrl+alt+v
for ((i = 0; i < 50; i++)); do
  [ "$(above)" = main ] && [ "$(xdotool getwindowfocus)" = "$w" ] && break
  sleep 0.1
done
[ "$(above)" = main ] || e2e_fail "the hot key did not bring the main window above the other one"
[ "$(xdotool getwindowfocus)" = "$w" ] || e2e_fail "the hot key did not give the main window the keyboard (focus on $(xdotool getwindowfocus))"

# The keyboard is in the Run box again, with its text selected: what is typed replaces it.
sleep 0.3
xdotool type --delay 20 "${win_dir}\\probe.exe ${win_dir}\\typed.txt"
sleep 0.3
xdotool key Return
e2e_wait_file "$out" 10 || e2e_fail "the command typed after the hot key started nothing"
head -n1 "$out" | grep -qF "typed.txt" || e2e_fail "the probe got: $(head -n1 "$out")"
echo "PASS"
