#!/usr/bin/env bash
# Programs typed into the Run box by name, as in the system's run dialog: "cmd" with its
# arguments (the echo writes a file), "%windir%\system32\cmd.exe" with an environment name, and
# "notepad", which opens its window. The box is empty again after each.
#   run_box_program_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"
win_dir="Z:$(echo "$dir" | tr '/' '\\')"


# Waits until file $1 holds the line "hi".
wait_hi() {
  local i
  for ((i = 0; i < 150; i++)); do
    if [ -s "$1" ] && tr -d '\r ' <"$1" | grep -qx hi; then return 0; fi
    sleep 0.1
  done
  return 1
}

e2e_start
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 0.5
e2e_run_typed "$w" "cmd /c echo hi> ${win_dir}\\x.txt"
wait_hi "$dir/x.txt" || e2e_fail "cmd by its name did not run: $(cat "$dir/x.txt" 2>&1)"
e2e_run_typed "$w" "%windir%\\system32\\cmd.exe /c echo hi> ${win_dir}\\y.txt"
wait_hi "$dir/y.txt" || e2e_fail "%windir%\\system32\\cmd.exe did not run"

before=$(xdotool search --onlyvisible --name 'メモ帳|Notepad' 2>/dev/null | wc -l)
e2e_run_typed "$w" "notepad"
n=""
for ((i = 0; i < 150; i++)); do
  n=$(xdotool search --onlyvisible --name 'メモ帳|Notepad' 2>/dev/null | head -n1 || true)
  [ -n "$n" ] && [ "$before" = 0 ] && break
  n=""
  sleep 0.1
done
[ -n "$n" ] || e2e_fail "notepad did not open"
# The notepad this test started ends with it.
notepad_pid=$(xdotool getwindowpid "$n" 2>/dev/null || true)
if [ -n "$notepad_pid" ]; then e2e_pids+=("$notepad_pid"); fi
echo "PASS"
