#!/usr/bin/env bash
# A program typed into the Run box by a relative name is never taken from the program's own
# folder, where the program is started from (as Explorer starts it), nor from a folder the file
# picker of the button dialog was taken to: a `planted.exe` lying in either does not run. The
# same name typed with its full path does, so the probe itself works, and a name relative to the
# user's profile folder runs from there.
#   run_box_own_folder_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"
probe="$(dirname "$1")/tests/launch_probe.exe"
[ -f "$probe" ] || e2e_fail "no launch_probe.exe next to the tests"
cp "$probe" "$dir/planted.exe"
mkdir "$dir/browsed"
cp "$probe" "$dir/browsed/picked.exe"
win_dir="Z:$(echo "$dir" | tr '/' '\\')"


# Fails when file $1 shows up within three seconds: the typed name ran a program it must not.
expect_not_run() {
  local i
  for ((i = 0; i < 30; i++)); do
    [ -e "$1" ] && e2e_fail "$2"
    sleep 0.1
  done
}

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 0.5
# Rows: what is typed | the file a run would write | what the failure says
while IFS='|' read -r typed out what; do
  e2e_run_typed "$w" "$typed ${win_dir}\\$out"
  expect_not_run "$dir/$out" "$what"
done <<'EOF_ROWS'
planted.exe|own.txt|planted.exe in the program's folder ran by its bare name
.\planted.exe|dot.txt|.\planted.exe in the program's folder ran
EOF_ROWS

# The button dialog's file picker taken to another folder, a program there picked, and the
# dialog cancelled: the picked program's folder does not become the one typed names come from.
d=$(e2e_open_from_menu "$w" 18 35 "メモ帳 のプロパティ" r) || e2e_fail "the property dialog did not open"
sleep 0.5
# The "..." beside the item's path (the dialog's caption is in its window without a manager).
xdotool mousemove --window "$d" 357 41
sleep 0.2
xdotool click 1
p=$(e2e_wait_window "ファイルの選択" 15) || e2e_fail "the file picker did not open"
sleep 0.5
# Into the folder first, as a hand browses, then the file by its name.
xdotool type --delay 20 "${win_dir}\\browsed"
sleep 0.3
xdotool key Return
sleep 1
xdotool type --delay 20 "picked.exe"
sleep 0.3
xdotool key Return
for ((i = 0; i < 50; i++)); do e2e_viewable "$p" || break; sleep 0.1; done
e2e_viewable "$p" && e2e_fail "the file picker did not take the typed file"
sleep 0.5
e2e_answer "$d" Escape || e2e_fail "Escape did not close the property dialog"
e2e_run_typed "$w" "picked.exe ${win_dir}\\picked.txt"
expect_not_run "$dir/picked.txt" "picked.exe ran by its bare name after the picker was in its folder"

# The full path runs the same program: the rows above failed to run for their name alone.
e2e_run_typed "$w" "${win_dir}\\planted.exe ${win_dir}\\full.txt"
e2e_wait_file "$dir/full.txt" 10 || e2e_fail "planted.exe by its full path did not run"
# And a name relative to the user's profile folder runs from there, as in the system's Run
# dialog: the current folder is the profile's, whatever the picker did.
profile=$("$VELMARIN_WINE" cmd /c echo %USERPROFILE% 2>/dev/null | tr -d '\r')
home=$("$VELMARIN_WINE" winepath -u "$profile" 2>/dev/null)
[ -d "$home" ] || e2e_fail "no profile folder at $home ($profile)"
mkdir -p "$home/velmarin-typed.$$"
cp "$probe" "$home/velmarin-typed.$$/fromhome.exe"
e2e_run_typed "$w" "velmarin-typed.$$\\fromhome.exe ${win_dir}\\home.txt"
e2e_wait_file "$dir/home.txt" 10; ran=$?
rm -rf "$home/velmarin-typed.$$"
[ "$ran" = 0 ] || e2e_fail "a name relative to the profile folder ($profile) did not run"
echo "PASS"
