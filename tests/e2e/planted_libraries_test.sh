#!/usr/bin/env bash
# Libraries lying beside the program under the names of system libraries are never loaded by it.
# A marker library (it writes down who loaded it) is put into the program folder as oleacc.dll,
# uxtheme.dll and dwmapi.dll, and wine is told to prefer a library found on the search path over
# its own (as Windows takes the first one it finds for a library that is not a known system
# one). The program starts, shows its window, answers a screen reader (from a probe in another
# folder), opens the button's property dialog and quits: no marker was loaded by velmarin.exe.
# Then a program that does search its own folder, the reader probe started from the program
# folder, shows that the marker and wine's preference do work here.
#   planted_libraries_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cp "$e2e_data/prepared.ini" "$dir/velmarin.ini"
tests=$(dirname "$1")/tests
[ -f "$tests/plant_marker.dll" ] || e2e_fail "no marker library at $tests/plant_marker.dll"
[ -f "$tests/access_probe.exe" ] || e2e_fail "no access probe at $tests/access_probe.exe"
planted="oleacc uxtheme dwmapi"
for name in $planted; do cp "$tests/plant_marker.dll" "$dir/$name.dll"; done
mkdir "$dir/reader"
cp "$tests/access_probe.exe" "$dir/reader/"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;${planted// /,}=n,b"
log=$dir/planted.log

# The libraries velmarin.exe loaded from its own folder, one a line.
loaded_by_program() { tr -d '\r' 2>/dev/null <"$log" | awk '$1 == "velmarin.exe" { print $2 }' | sort -u; }

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
# A screen reader's first question loads the accessibility library; the Run box comes with the
# first paint, so the question is asked until the box is in the answer.
for ((i = 0; i < 20; i++)); do
  (cd "$dir/reader" && "$VELMARIN_WINE" access_probe.exe list "$dir/reader/list.txt") &&
    grep -q $'\t実行ボックス\t' "$dir/reader/list.txt" && break
  sleep 0.5
done
# A planted library answers nothing: the reader's failure is told after what was loaded.
answered=yes
grep -q $'\t実行ボックス\t' "$dir/reader/list.txt" 2>/dev/null || answered=no
# A dialog: the right-click menu of the first cell, "r" for its properties.
d=$(e2e_open_from_menu "$w" 18 35 "メモ帳 のプロパティ" r) || e2e_fail "the property dialog did not open"
sleep 0.5
e2e_answer "$d" Escape || e2e_fail "Escape did not close the property dialog"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end"
found=$(loaded_by_program)
[ -z "$found" ] || e2e_fail "velmarin.exe loaded from its own folder: $(echo $found)"
[ "$answered" = yes ] || e2e_fail "the reader got no answer from the window"

# The check above can fail: the reader probe, which imports the accessibility library, started
# from the program folder, loads the marker lying there (and ends at once for want of arguments).
cp "$tests/access_probe.exe" "$dir/"
(cd "$dir" && "$VELMARIN_WINE" access_probe.exe 2>/dev/null) || true
tr -d '\r' 2>/dev/null <"$log" | grep -qx "access_probe.exe oleacc.dll" ||
  e2e_fail "the marker is not loaded even by a program that searches its own folder: $(cat "$log" 2>&1)"
echo "PASS"
