#!/usr/bin/env bash
# Without the skin, the caption cell and the lower right cell of the title strip take the active
# title colour while the window is active, the inactive one while another window is, and the
# active one again when the user comes back.
#   title_colours_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe="$(cd "$(dirname "$1")" && pwd)/tests/drag_probe.exe"
[ -f "$probe" ] || e2e_fail "no drag_probe.exe next to the tests"
# Active background pure red, inactive pure green (0x00BBGGRR).
e2e_settings "$e2e_root/resources/sample/velmarin.ini" FlgAppearance=3 \
  ColTitleBarActBack=255 ColTitleBarInActBack=65280

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"

# The colour of a client pixel of the main window, as #RRGGBB.
pixel() {
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$w")"
  import -window root -crop "1x1+$((X + 1 + $1))+$((Y + 1 + $2))" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.* \(#[0-9A-F]\{6\}\).*/\1/p'
}
# Polls until the lower right cell (client 371..444 x 34..54, its middle away from any text)
# and the caption cell's edge both show colour $1.
wait_colour() {
  local i
  for ((i = 0; i < 50; i++)); do
    if [ "$(pixel 430 50)" = "$1" ] && [ "$(pixel 250 2)" = "$1" ]; then return 0; fi
    sleep 0.1
  done
  return 1
}

e2e_click "$w" 250 8 1  # a click on the caption makes sure the window is the active one
wait_colour "#FF0000" || e2e_fail "active: the title cells show $(pixel 430 50) / $(pixel 250 2)"

# Another program's window comes to the front.
(cd "$dir" && exec "$VELMARIN_WINE" "$probe" "$dir/velmarin.ini") &
e2e_pids+=("$!")
p=$(e2e_wait_window drag_probe) || e2e_fail "the other window did not show"
wait_colour "#00FF00" || e2e_fail "inactive: the title cells show $(pixel 430 50) / $(pixel 250 2)"

e2e_click "$w" 250 8 1
wait_colour "#FF0000" || e2e_fail "active again: the title cells show $(pixel 430 50)"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
echo "PASS"
