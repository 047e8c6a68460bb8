#!/usr/bin/env bash
# A click on a cell holding a listed control-panel applet opens that very file, in a folder of
# its own, through the system's runner: not a RUNDLL32.EXE lying in the program's folder, and not
# the system's applet of the same name.
#   applet_launch_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe=${VELMARIN_LAUNCH_PROBE:-$(dirname "$1")/tests/launch_probe.exe}
[ -f "$probe" ] || e2e_fail "no launch probe at $probe"
# A stand-in runner beside the program: started, it would write down its start in this folder.
cp "$probe" "$dir/RUNDLL32.EXE"
applet="$WINEPREFIX/drive_c/windows/system32/joy.cpl"
[ -f "$applet" ] || e2e_fail "no applet at $applet"
mkdir -p "$dir/my tools"
cp "$applet" "$dir/my tools/main.cpl"

folder="Z:${dir//\//\\}"
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 G=0 C=applet "P=$folder\\my tools\\main.cpl" T=main |
  iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
e2e_click "$w" 18 35 1

line=""
for _ in $(seq 1 60); do
  line=$(pgrep -a -f 'Control_RunDLL' | grep -i 'main\.cpl' | head -n1 || true)
  [ -n "$line" ] && break
  sleep 0.25
done
[ -n "$line" ] || e2e_fail "no runner was started for the applet"
e2e_pids+=("${line%% *}")
# Wine shows a process's arguments joined by spaces, without their quotes.
want="c:\\windows\\system32\\rundll32.exe shell32.dll,control_rundll ${folder,,}\\my tools\\main.cpl"
case "${line,,}" in
  *"$want"*) ;;
  *) e2e_fail "the runner was started as [$line], not as [$want]" ;;
esac
ls "$dir" | grep -qi 'control_rundll' && e2e_fail "the runner beside the program was started"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
echo "PASS"
