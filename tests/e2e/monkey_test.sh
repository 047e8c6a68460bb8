#!/usr/bin/env bash
# Random real input on the real program (tests/e2e/monkey.py): clicks, drags with and without
# Shift, Ctrl and Alt, right clicks with a random access key, typing into the Run box, Escape
# and Enter, the hot key, the tray icon's clicks, moves by another program and dropped files
# (through the tray and drag probes of the build), also while a dialog is open, with checks after
# every event. The settings hold several pages, drawers and shelf entries whose items open no
# window of another program (it would cover the main window): copies of the launch probe, which
# writes a file and ends, and internal commands. The tray icon and the hot key (Ctrl+Alt+V) are on.
#   monkey_test.sh PATH/TO/velmarin.exe
#   MONKEY_EVENTS (default 300) events; MONKEY_START repeats a run (its number is printed).
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe=${VELMARIN_LAUNCH_PROBE:-$(dirname "$1")/tests/launch_probe.exe}
[ -f "$probe" ] || e2e_fail "no launch probe at $probe"
for name in p1 p2 p3 p4; do cp "$probe" "$dir/$name.exe"; done
# The tray and drag probes run from the build, outside the program folder.
tray=${VELMARIN_TRAY_PROBE:-$(dirname "$1")/tests/tray_probe.exe}
drag=${VELMARIN_DRAG_PROBE:-$(dirname "$1")/tests/drag_probe.exe}
[ -f "$tray" ] && [ -f "$drag" ] || e2e_fail "no tray or drag probe at $tray, $drag"
folder="Z:${dir//\//\\}"

# FlgMode 24 with FlgStorageBehavior 16: the shelf starts open. MaxMultiExecute 2: a drawer of
# three asks before it opens them. FlgSystem 5: the tray icon and the hot key, HotKeyFlg 3 (Alt
# + Ctrl) with key 86 ("V").
printf '%s\r\n' X=6000 Y=4500 MaxPage=6 MaxButton=10 MaxDrawer=4 MaxMultiExecute=2 \
  FlgStorageBehavior=16 FlgMode=24 FlgSystem=5 HotKeyFlg=3 HotKeyKey=86 \
  G=0 C=起動 \
  "P=$folder\\p1.exe" T=probe "R=$folder\\out1.txt" "M=$folder\\p2.exe" M=,BEEP "M=$folder\\p3.exe" \
  P=,BEEP T=音 \
  P=,二枚目 T=次へ \
  "P=$folder\\p2.exe" T=二番 "M=$folder\\p4.exe" \
  P=,SORT T=並べる \
  P= P= \
  "P=$folder\\p3.exe" T=三番 \
  P=,2 T=二つ目 \
  P= \
  G=1 C=二枚目 \
  "P=$folder\\p4.exe" T=四番 "M=$folder\\p1.exe" "M=$folder\\p2.exe" \
  P=,起動 T=戻る \
  P=,EXIT T=終わる \
  P=,1 \
  P= P= P= P= P= P= \
  G=2 C=三枚目 \
  P=,三枚目 \
  "P=$folder\\p1.exe" "M=$folder\\p3.exe" \
  P= P= P= P= P= P= P= P= \
  "O=$folder\\p1.exe" "O=$folder\\p2.exe" "O=$folder\\p3.exe" O=,BEEP \
  "" | iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

args=(--dir "$dir" --wine "$VELMARIN_WINE" --tray "$tray" --drag "$drag"
  --events "${MONKEY_EVENTS:-300}")
if [ -n "${MONKEY_START:-}" ]; then args+=(--start "$MONKEY_START"); fi
python3 "$(dirname "$0")/monkey.py" "${args[@]}" || e2e_fail "the monkey found a fault"
echo "PASS"
