#!/usr/bin/env bash
# A left click on a cell starts the cell's program with the cell's parameters, in drive C.
#   cell_launch_test.sh PATH/TO/velmarin.exe
# The program started is the launch probe of the Win32 tests (VELMARIN_LAUNCH_PROBE, or
# tests/launch_probe.exe of the build), which writes down its command line and its folder.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe=${VELMARIN_LAUNCH_PROBE:-$(dirname "$1")/tests/launch_probe.exe}
[ -f "$probe" ] || e2e_fail "no launch probe at $probe"
cp "$probe" "$dir/launch_probe.exe"

# The program folder as wine's drive Z: names it.
folder="Z:${dir//\//\\}"
params="\"$folder\\probe report.txt\" alpha \"two words\" 表示"
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 G=0 C=起動 "P=$folder\\launch_probe.exe" T=probe \
  "R=$params" | iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
# The first cell: 37 x 37 pixels at (0, 17) of the client area.
e2e_click "$w" 18 35 1
report="$dir/probe report.txt"
e2e_wait_file "$report" 30 || e2e_fail "the cell's program did not start on a left click"
command_line=$(sed -n 1p "$report")
working=$(sed -n 2p "$report" | tr -d '\r')
case "$command_line" in
  *launch_probe.exe*"$params") ;;
  *) e2e_fail "the program got the command line [$command_line], not one ending in [$params]" ;;
esac
[ "${working,,}" = 'c:\' ] || e2e_fail "the program started in $working, not in c:\\"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
echo "PASS"
