#!/usr/bin/env bash
# A button dragged onto a ",STORE" cell in execute mode puts its own path on the shelf: the path
# itself, with its space and "&", not the cell's parameters and quotes around it. The shelf is
# kept in the settings file, where the close writes it.
#   store_command_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
# Execute mode from the start (FlgMode bit 2), the shelf kept (FlgStorageBehavior bit 4).
python3 - "$e2e_data/gestures.ini" >"$dir/velmarin.ini" <<'PY'
import sys
text = open(sys.argv[1], "rb").read()
text = text.replace(b"FlgAppearance=2\r\n",
                    b"FlgAppearance=2\r\nFlgMode=4\r\nFlgStorageBehavior=16\r\n", 1)
text = text.replace(b"P=C:\\g\\a.exe\r\n", b"P=C:\\My Docs\\plan&notes.txt\r\n", 1)
text = text.replace(b"P=C:\\g\\b.exe\r\n", b"P=,STORE\r\n", 1)
sys.stdout.buffer.write(text)
PY
grep -q '^P=,STORE' "$dir/velmarin.ini" || e2e_fail "the prepared settings were not made"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
sleep 1
# Cell 0 pressed, moved over cell 1 and let go there, no keys held.
xdotool mousemove --window "$w" 19 36
sleep 0.3
xdotool mousedown 1
sleep 0.2
xdotool mousemove --window "$w" 37 36
sleep 0.1
xdotool mousemove --window "$w" 56 36
sleep 0.2
xdotool mouseup 1
sleep 0.5

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end after a left click on the close cell"
shelf=$(tr -d '\r' <"$dir/velmarin.ini" | grep '^O=' | tr '\n' '|')
want='O=C:\My Docs\plan&notes.txt|'
[ "$shelf" = "$want" ] || e2e_fail "the shelf holds [$shelf], not [$want]"
echo "PASS"
