#!/usr/bin/env bash
# Programs of the Start menu found in the Run box as a person would: shortcuts in the user's
# and the shared menu (one with a Japanese file name, one with a localized name, one in both
# menus, one made while the program runs); a name and a reading typed, the entry chosen with
# the arrow key and Enter, and the program started through its shortcut, with the shortcut's
# arguments and working folder. The list shows the program of both menus once.
#   run_box_programs_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"
helpers="$(dirname "$1")/tests"
[ -f "$helpers/launch_probe.exe" ] || e2e_fail "no launch_probe.exe next to the tests"
[ -f "$helpers/shortcut_probe.exe" ] || e2e_fail "no shortcut_probe.exe next to the tests"
cp "$helpers/launch_probe.exe" "$dir/probe.exe"
cp "$helpers/shortcut_probe.exe" "$dir/shortcut.exe"
win_dir="Z:$(echo "$dir" | tr '/' '\\')"
mkdir -p "$dir/work"

shortcut() { e2e_helper shortcut.exe "$@" || e2e_fail "shortcut.exe $* failed"; }
shortcut --folders "$win_dir\\folders.txt"
user_menu=$(sed -n 1p "$dir/folders.txt" | tr -d '\r')
common_menu=$(sed -n 2p "$dir/folders.txt" | tr -d '\r')
[ -n "$user_menu" ] && [ -n "$common_menu" ] || e2e_fail "no Start menu folders: $(cat "$dir/folders.txt")"
# The test's own folder in each menu, gone with the test.
sub="velmarin e2e $$"
user_unix=$(winepath -u "$user_menu\\$sub" 2>/dev/null)
common_unix=$(winepath -u "$common_menu\\$sub" 2>/dev/null)
cleanup_menus() {
  rm -rf "$user_unix" "$common_unix"
  e2e_cleanup
}
trap cleanup_menus EXIT

# A shortcut to the launch probe, which writes its command line and folder to OUT.
probe_link() { # LINK OUT
  shortcut "$1" "$win_dir\\probe.exe" "$win_dir\\$2 --from-link" "$win_dir\\work"
}
probe_link "$user_menu\\$sub\\ゆめ探査.lnk" memo.txt
probe_link "$common_menu\\$sub\\Tools\\Probe Calc.lnk" calc.txt
probe_link "$user_menu\\$sub\\Probe Both.lnk" both.txt
probe_link "$common_menu\\$sub\\Probe Both.lnk" both.txt
# The localized name the menu shows for "Probe Calc.lnk", as installers write it (UTF-16).
printf '[LocalizedFileNames]\r\nProbe Calc.lnk=探査電卓\r\n' | iconv -f UTF-8 -t UTF-16 \
  >"$common_unix/Tools/desktop.ini"

e2e_start
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 0.5

# Types into the Run box (over the title strip above the last three cells).
run_typed() {
  e2e_click "$w" 300 10 1
  sleep 0.3
  xdotool key ctrl+a BackSpace
  xdotool type --delay 40 "$1"
  sleep 0.5
}
# The Run box's list, one entry a line.
listed() {
  rm -f "$dir/list.txt"
  shortcut --list "$win_dir\\list.txt"
  tr -d '\r' <"$dir/list.txt"
}
# Waits until file $1 is written by the probe; checks its arguments and folder.
started() {
  local out=$dir/$1 i
  for ((i = 0; i < 100; i++)); do
    [ -s "$out" ] && break
    sleep 0.1
  done
  [ -s "$out" ] || return 1
  grep -q -- "--from-link" "$out" || e2e_fail "$1: the shortcut's arguments were lost: $(cat "$out")"
  sed -n 2p "$out" | grep -qi 'work$' || e2e_fail "$1: not in the shortcut's folder: $(cat "$out")"
}
# Until the catalogue is read, the list may lack the programs: typed again until they are there.
list_of() {
  local i got=""
  for ((i = 0; i < 20; i++)); do
    run_typed "$1"
    got=$(listed)
    [ -n "$got" ] && break
    sleep 0.2
  done
  echo "$got"
}

# A reading typed as romaji lists the program with the Japanese name; Down chooses it, Enter
# opens its shortcut.
got=$(list_of yume)
[ "$got" = "ゆめ探査" ] || e2e_fail "yume listed: [$got]"
xdotool key Down
sleep 0.3
xdotool key Return
started memo.txt || e2e_fail "the program chosen by its reading did not start"

# The shortcut's own name lists the name the menu shows.
got=$(list_of "probe c")
[ "$got" = "探査電卓" ] || e2e_fail "\"probe c\" listed: [$got]"
xdotool key Down Return
started calc.txt || e2e_fail "the program with a localized name did not start"
# And the reading of that name's kanji lists it too.
got=$(list_of tansa)
[ "$got" = "探査電卓" ] || e2e_fail "tansa listed: [$got]"

# A program in both menus is listed once.
got=$(list_of "probe b")
[ "$got" = "Probe Both" ] || e2e_fail "\"probe b\" listed: [$got]"
xdotool key Down Return
started both.txt || e2e_fail "the program in both menus did not start"

# A program installed while the launcher runs is found within two seconds.
probe_link "$user_menu\\$sub\\Probe Late.lnk" late.txt
sleep 2
run_typed "probe l"
got=$(listed)
[ "$got" = "Probe Late" ] || e2e_fail "the new shortcut was not listed within two seconds: [$got]"
xdotool key Down Return
started late.txt || e2e_fail "the new program did not start"
echo "PASS"
