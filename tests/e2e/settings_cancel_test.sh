#!/usr/bin/env bash
# The settings dialog cancelled: a check box switched on, then Escape, or the close box; the
# file saved at exit is the same as without the dialog.
#   settings_cancel_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"

open_settings() { e2e_open_from_menu "$1" 150 8 "velmarinの設定" c; }

# Switches the first check box ("show tool tips") on from Cancel, where the focus starts.
change_something() {
  xdotool mousemove --window "$1" 4 4
  xdotool key --clearmodifiers Tab Tab space
  sleep 0.3
}

for how in Escape closebox; do
  e2e_start
  program=$started
  w=$(e2e_main_window) || e2e_fail "the main window did not show ($how)"
  d=$(open_settings "$w") || e2e_fail "the settings dialog did not open ($how)"
  sleep 0.3
  change_something "$d"
  if [ "$how" = Escape ]; then
    e2e_answer "$d" Escape || e2e_fail "Escape did not close the settings dialog"
  else
    e2e_click_close_box "$d"
    for ((i = 0; i < 50; i++)); do e2e_viewable "$d" || break; sleep 0.1; done
    e2e_viewable "$d" && e2e_fail "the close box did not close the settings dialog"
  fi
  e2e_click_close "$w" 1
  e2e_wait_exit "$program" || e2e_fail "the program did not end ($how)"
  e2e_same_file "$dir/velmarin.ini" "$e2e_data/expected.ini" "settings after $how"
done
echo "PASS"
