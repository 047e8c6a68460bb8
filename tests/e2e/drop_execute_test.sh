#!/usr/bin/env bash
# In execute mode (switched on by a click on the mode cell) a file dragged onto a filled cell is
# opened by the cell's program: tests/win32/helper/launch_probe receives each dropped path, one
# with spaces and one with "&" and "," in its name, as one quoted argument after the button's own
# parameters.
#   drop_execute_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
tests="$(cd "$(dirname "$1")" && pwd)/tests"
[ -f "$tests/drag_probe.exe" ] && [ -f "$tests/launch_probe.exe" ] || e2e_fail "no probes next to the tests"
cp "$tests/launch_probe.exe" "$dir/"
windir() { echo "Z:$(echo "$1" | tr / '\\')"; }
report=$(windir "$dir/report.txt")
# Cell 0 holds the launch probe, its parameter the report file. One file opens without the
# launch question (with no MaxMultiExecute line the limit is 0 and even one file asks first).
python3 - "$e2e_data/prepared.ini" "$(windir "$dir/launch_probe.exe")" "$report" >"$dir/velmarin.ini" <<'PY'
import sys
text = open(sys.argv[1], "rb").read()
cell = b"P=" + sys.argv[2].encode() + b"\r\nR=" + sys.argv[3].encode()
text = text.replace(b"MaxDrawer=2\r\n", b"MaxDrawer=2\r\nMaxMultiExecute=1\r\n", 1)
sys.stdout.buffer.write(text.replace(b"P=C:\\windows\\notepad.exe", cell, 1))
PY
grep -q "launch_probe" "$dir/velmarin.ini" && grep -q "^MaxMultiExecute=1" "$dir/velmarin.ini" ||
  e2e_fail "the prepared settings were not made"
mkdir -p "$dir/My Files"
echo note >"$dir/My Files/plan a.txt"
echo note >"$dir/odd&name,1.txt"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 1  # the drop target comes after the first paint
e2e_click "$w" 416 8 1  # the mode cell: execute mode

for name in "My Files/plan a.txt" "odd&name,1.txt"; do
  file=$(windir "$dir/$name")
  rm -f "$dir/report.txt"
  e2e_drop_file "$tests/drag_probe.exe" "$file" "$w" 19 36
  e2e_wait_file "$dir/report.txt" 10 || e2e_fail "the cell's program was not started for $name"
  line=$(head -n1 "$dir/report.txt" | tr -d '\r')
  case "$line" in
    *"$report \"$file\""*) ;;
    *) e2e_fail "the program got: $line" ;;
  esac
done
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end after a left click on the close cell"
echo "PASS"
