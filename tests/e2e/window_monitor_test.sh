#!/usr/bin/env bash
# With two monitors side by side: a window kept on the second monitor comes back there and stays
# kept there; a place on no monitor is brought back onto the primary one (left modulo its width,
# top modulo its height); a window dragged by its title strip onto the second monitor is kept
# there at exit and comes back there at the next start.
#   window_monitor_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_two_monitors
e2e_init "$1"
tray=${VELMARIN_TRAY_PROBE:-$(dirname "$1")/tests/tray_probe.exe}
[ -f "$tray" ] || e2e_fail "no tray probe at $tray"

# The monitors as the program sees them: 1024 x 768 at (0, 0), the primary, and at (1024, 0).
seen=$("$VELMARIN_WINE" "$tray" monitors | tr -d '\r')
[ "$seen" = $'monitor 0,0,1024,768 work 0,0,1024,768\nmonitor 1024,0,2048,768 work 1024,0,2048,768' ] ||
  e2e_fail "wine does not see the two monitors side by side; it sees: ${seen:-nothing}"

# Whether window $1 stands at $2,$3 (screen pixels); leaves its place in X, Y.
is_at() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  [ "$X" = "$2" ] && [ "$Y" = "$3" ]
}

# Starts the program with the settings file in the program folder and waits until its window
# stands at $1,$2; then, with $3, ends it with the close cell and checks the saved X.
comes_back_at() {
  e2e_start
  program=$started
  w=$(e2e_main_window) || e2e_fail "the main window did not show (kept at X=$(e2e_value "$dir/velmarin.ini" X))"
  e2e_until is_at "$w" "$1" "$2" || e2e_fail "the window came back at $X,$Y, not at $1,$2"
  [ -n "${3:-}" ] || return 0
  e2e_click_close "$w" 1
  e2e_wait_exit "$program" || e2e_fail "the program did not end on the close cell"
  [ "$(e2e_value "$dir/velmarin.ini" X)" = "$3" ] ||
    e2e_fail "the window at $1,$2 was saved at X=$(e2e_value "$dir/velmarin.ini" X), not X=$3"
}

# Kept at 1224, 100 pixels: on the second monitor, and saved there again.
e2e_settings "$e2e_data/prepared.ini" X=18360 Y=1500
comes_back_at 1224 100 18360

# Kept at 2348, 818 pixels: right of both monitors and below them; the primary one is
# 1024 x 768, so it comes back at 300, 50.
e2e_settings "$e2e_data/prepared.ini" X=35220 Y=12270
comes_back_at 300 50 4500

# Dragged by the title strip (the caption cell spans (75, 0) to (257, 16)) from 100, 80 across
# onto the second monitor: saved there, and there at the next start.
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"
comes_back_at 100 80
e2e_drag "$w" 150 8 1200 0
e2e_until is_at "$w" 1300 80 || e2e_fail "the drag by 1200,0 took the window to $X,$Y, not to 1300,80"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on the close cell"
[ "$(e2e_value "$dir/velmarin.ini" X)" = 19500 ] || e2e_fail "the dragged window was not saved at X=19500"
comes_back_at 1300 80 19500
echo "PASS"
