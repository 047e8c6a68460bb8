#!/usr/bin/env bash
# What the system tells the program, sent by the session probe as the system sends it:
# - an installer's close for its restart (the Restart Manager asks whether the session may end,
#   then says it ends, with ENDSESSION_CLOSEAPP): the program saves its change and ends within
#   10 s, also with the settings dialog open;
# - an end called off (the end-session message with FALSE): the program runs on and the file is
#   as it was;
# - a new task bar ("TaskbarCreated", after Explorer restarted) brings back the icon the old one
#   took away.
#   session_messages_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe=${VELMARIN_SESSION_PROBE:-$(dirname "$1")/tests/session_probe.exe}
tray=${VELMARIN_TRAY_PROBE:-$(dirname "$1")/tests/tray_probe.exe}
[ -f "$probe" ] || e2e_fail "no session probe at $probe"
[ -f "$tray" ] || e2e_fail "no tray probe at $tray"
cp "$probe" "$dir/session_probe.exe"
cp "$tray" "$dir/tray_probe.exe"

# The file as the program writes it, with the icon in the notification area (FlgSystem 1); the
# change each run makes is a move of the window to 200, 150 (3000, 2250 twips).
base="$dir.base.ini"
moved="$dir.moved.ini"
trap 'e2e_cleanup; rm -f "$base" "$moved"' EXIT
sed 's/^FlgSystem=.*\r$/FlgSystem=1\r/' "$e2e_data/expected.ini" >"$base"
sed 's/^X=.*\r$/X=3000\r/; s/^Y=.*\r$/Y=2250\r/' "$base" >"$moved"

session() { (cd "$dir" && "$VELMARIN_WINE" session_probe.exe "$@"); }
icon_shown() { session icon; }
icon_gone() { ! session icon; }
is_at() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  [ "$X" = "$2" ] && [ "$Y" = "$3" ]
}

# Starts the program on the base file and moves its window: the change to be saved.
start_and_change() {
  cp "$base" "$dir/velmarin.ini"
  e2e_start
  program=$started
  w=$(e2e_main_window) || e2e_fail "$1: the main window did not show"
  (cd "$dir" && "$VELMARIN_WINE" tray_probe.exe move 200 150) || e2e_fail "$1: the move failed"
  e2e_until is_at "$w" 200 150 || e2e_fail "$1: the window is at $X,$Y, not at 200,150"
}

# An installer's close: the change is saved, and the program is gone within 10 s.
ends_and_saves() {
  session end || e2e_fail "$1: the probe found no main window"
  e2e_wait_exit "$program" 10 || e2e_fail "$1: the program still runs 10 s after the close"
  [ "$exit_code" = 0 ] || e2e_fail "$1: the program ended with code $exit_code"
  e2e_same_file "$dir/velmarin.ini" "$moved" "$1: the file after the close"
}

start_and_change "a close for a restart"
e2e_until icon_shown || e2e_fail "the icon did not come into the notification area"
ends_and_saves "a close for a restart"

start_and_change "a close with the settings dialog open"
e2e_open_from_menu "$w" 150 8 "velmarinの設定" c >/dev/null ||
  e2e_fail "the settings dialog did not open"
ends_and_saves "a close with the settings dialog open"

start_and_change "an end called off"
session cancel || e2e_fail "the probe found no main window"
sleep 1
kill -0 "$program" 2>/dev/null || e2e_fail "an end called off ended the program"
e2e_same_file "$dir/velmarin.ini" "$base" "the file after an end called off"
e2e_viewable "$w" || e2e_fail "the window went with an end called off"
icon_shown || e2e_fail "the icon went with an end called off"

# The task bar goes, taking the icon with it; the new one is told, and the icon comes back.
session remove || e2e_fail "the icon could not be taken away"
icon_gone || e2e_fail "the icon is still there after it was taken away"
session taskbar || e2e_fail "no new task bar could be announced"
e2e_until icon_shown || e2e_fail "a new task bar did not bring the icon back"

# And the program still ends the ordinary way, saving.
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
e2e_same_file "$dir/velmarin.ini" "$moved" "the file after the ordinary close"
echo "PASS"
