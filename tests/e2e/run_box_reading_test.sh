#!/usr/bin/env bash
# Romaji typed into the Run box finds a button named in kanji by its reading: the name is the
# list's first entry, the Down key puts it into the box and Enter starts the button's program.
#   run_box_reading_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe=${VELMARIN_LAUNCH_PROBE:-$(dirname "$1")/tests/launch_probe.exe}
[ -f "$probe" ] || e2e_fail "no launch probe at $probe"
cp "$probe" "$dir/launch_probe.exe"

folder="Z:${dir//\//\\}"
# FlgRunBehavior 1: a tool tip run from the box gets its button's parameters, here the file the
# probe writes its command line to.
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 FlgRunBehavior=1 G=0 C=起動 \
  "P=$folder\\launch_probe.exe" T=電卓 "R=\"$folder\\calc.txt\"" \
  "P=$folder\\launch_probe.exe" T=設定 "R=\"$folder\\settings.txt\"" \
  "P=$folder\\launch_probe.exe" T=天気 "R=\"$folder\\weather.txt\"" |
  iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

e2e_start
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 0.5

# typed, the report file of the button it finds
while read -r typed report; do
  # The Run box lies over the title strip above the last three cells (x 259, 113 wide).
  e2e_click "$w" 300 10 1
  sleep 0.3
  xdotool type --delay 60 "$typed"
  sleep 0.3
  xdotool key Down
  sleep 0.3
  xdotool key Return
  e2e_wait_file "$dir/$report" || e2e_fail "\"$typed\", Down, Enter started nothing"
  for other in calc.txt settings.txt weather.txt; do
    [ "$other" = "$report" ] || [ ! -e "$dir/$other" ] ||
      e2e_fail "\"$typed\" started the button of $other"
  done
  rm -f "$dir/$report"
done <<'ROWS'
dentaku calc.txt
settei settings.txt
ROWS
echo "PASS"
