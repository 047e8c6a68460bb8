#!/usr/bin/env bash
# With two monitors side by side: a window kept on the second monitor comes back there and stays
# kept there; a place on no monitor is brought back onto the primary one (left modulo its width,
# top modulo its height); a window dragged by its title strip onto the second monitor is kept
# there at exit and comes back there at the next start. Each check runs the program on its own;
# a check that fails lets the others run, and the script fails naming every one that did.
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

failures=()
program=""

# A check that failed: its message is kept, a picture of the screen is left in build/e2e, and
# the program it started is ended so that the next check can start it again.
miss() {
  failures+=("$*")
  echo "not so: $*" >&2
  import -window root "$dir/../window_monitor_test-${#failures[@]}.png" 2>/dev/null || true
  if [ -n "$program" ] && kill -0 "$program" 2>/dev/null; then
    kill "$program" 2>/dev/null
    wait "$program" 2>/dev/null
  fi
}

# Whether window $1 stands at $2,$3 (screen pixels); leaves its place in X, Y.
is_at() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  [ "$X" = "$2" ] && [ "$Y" = "$3" ]
}

# Starts the program with the settings file as it is in the program folder; the main window in w.
start() {
  e2e_start
  program=$started
  w=$(e2e_main_window)
}

# Ends the program with the close cell.
close() {
  e2e_click_close "$w" 1
  e2e_wait_exit "$program"
}

# (a) Kept at 1224, 100 pixels: on the second monitor.
kept_on_second() {
  e2e_settings "$e2e_data/prepared.ini" X=18360 Y=1500
  start || { miss "(a) the main window did not show"; return; }
  e2e_until is_at "$w" 1224 100 ||
    { miss "(a) a window kept at 1224,100 (second monitor) came back at $X,$Y"; return; }
  close || { miss "(a) the program did not end on the close cell"; return; }
  local x
  x=$(e2e_value "$dir/velmarin.ini" X)
  [ "$x" = 18360 ] || miss "(a) a window left on the second monitor was saved at X=$x, not X=18360"
}

# (b) Kept at 2348, 818 pixels: right of both monitors and below them; the primary one is
# 1024 x 768, so it comes back at 300, 50.
kept_on_none() {
  e2e_settings "$e2e_data/prepared.ini" X=35220 Y=12270
  start || { miss "(b) the main window did not show"; return; }
  e2e_until is_at "$w" 300 50 ||
    { miss "(b) a window kept at 2348,818 (on no monitor) came back at $X,$Y, not at 300,50"; return; }
  close || miss "(b) the program did not end on the close cell"
}

# (c) Dragged by the title strip from 100, 80 across onto the second monitor.
dragged_to_second() {
  cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"
  start || { miss "(c) the main window did not show"; return; }
  # The caption cell spans (75, 0) to (257, 16) of the client area.
  e2e_drag "$w" 150 8 1200 0
  e2e_until is_at "$w" 1300 80 ||
    { miss "(c) the drag by 1200,0 took the window to $X,$Y, not to 1300,80"; return; }
  close || { miss "(c) the program did not end on the close cell"; return; }
  local x
  x=$(e2e_value "$dir/velmarin.ini" X)
  [ "$x" = 19500 ] || { miss "(c) the window dragged to 1300,80 was saved at X=$x, not X=19500"; return; }
  start || { miss "(c) the main window did not show at the next start"; return; }
  e2e_until is_at "$w" 1300 80 ||
    { miss "(c) the window saved at 1300,80 came back at $X,$Y at the next start"; return; }
  close || miss "(c) the program did not end on the close cell at the next start"
}

kept_on_second
kept_on_none
dragged_to_second
if [ "${#failures[@]}" -gt 0 ]; then
  told=$(printf '%s; ' "${failures[@]}")
  e2e_fail "${told%; }"
fi
echo "PASS"
