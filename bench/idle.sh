#!/usr/bin/env bash
# What a launcher costs while it sits on the desktop doing nothing: velmarin.exe with the sample
# settings and a bare Win32 window, both started under wine in the same run and left alone for
# the same time, then their processor time (user + system, all threads) and context switches
# (voluntary + involuntary, all threads) over that time, read from /proc. The wine server serves
# both; its share over the same time is printed too. Target: no more than the bare window.
#   bench/idle.sh [SECONDS]      (default 60; builds the win32 preset first)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-60}

cmake --preset win32 >/dev/null
cmake --build build/win32 -j"${VELMARIN_JOBS:-2}" --target velmarin velmarin_icl bare_window >/dev/null

source "$root/bench/wine-bench"
bench_wine_start idle
folder=$bench_folder

cp build/win32/velmarin.exe build/win32/bare_window.exe "$folder/"
if [ -f build/win32/velmarin.icl ]; then cp build/win32/velmarin.icl "$folder/"; fi
if [ -f build/win32/skin.bmp ]; then cp build/win32/skin.bmp "$folder/"; fi
cp resources/sample/velmarin.ini "$folder/velmarin.ini"

wait_window() {
  local i
  for ((i = 0; i < 300; i++)); do
    if xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  echo "bench: no window titled $1" >&2
  return 1
}

ticks_per_second=$(getconf CLK_TCK)

# "cpu-ticks context-switches" of a process, summed over its threads.
usage() {
  local pid=$1 task ticks=0 switches=0 t s
  for task in /proc/"$pid"/task/*; do
    # Fields 14 and 15 of stat (after the name in parentheses): user and system ticks.
    t=$(sed 's/^.*) //' "$task/stat" 2>/dev/null | awk '{print $12 + $13}') || continue
    s=$(awk '/^(voluntary|nonvoluntary)_ctxt_switches:/ {n += $2} END {print n + 0}' \
      "$task/status" 2>/dev/null) || continue
    ticks=$((ticks + ${t:-0}))
    switches=$((switches + ${s:-0}))
  done
  echo "$ticks $switches"
}

(cd "$folder" && exec "$VELMARIN_WINE" velmarin.exe) &
bench_pids+=("$!")
v_pid=$!
(cd "$folder" && exec "$VELMARIN_WINE" bare_window.exe) &
bench_pids+=("$!")
b_pid=$!
wait_window velmarin
wait_window bare_window
# Let the start-up work (the Run box made after the first paint, the drop target) settle.
sleep 3
# The wine server of this prefix (other prefixes on the machine have servers of their own).
server_pid=""
for pid in $(pgrep wineserver || true); do
  if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
    server_pid=$pid
  fi
done

read -r v_ticks0 v_sw0 < <(usage "$v_pid")
read -r b_ticks0 b_sw0 < <(usage "$b_pid")
s_ticks0=0 s_sw0=0
if [ -n "$server_pid" ]; then read -r s_ticks0 s_sw0 < <(usage "$server_pid"); fi
sleep "$seconds"
read -r v_ticks1 v_sw1 < <(usage "$v_pid")
read -r b_ticks1 b_sw1 < <(usage "$b_pid")
s_ticks1=0 s_sw1=0
if [ -n "$server_pid" ]; then read -r s_ticks1 s_sw1 < <(usage "$server_pid"); fi

ms() { echo $(($1 * 1000 / ticks_per_second)); }
v_ms=$(ms $((v_ticks1 - v_ticks0)))
b_ms=$(ms $((b_ticks1 - b_ticks0)))
s_ms=$(ms $((s_ticks1 - s_ticks0)))
v_sw=$((v_sw1 - v_sw0))
b_sw=$((b_sw1 - b_sw0))
echo "idle for ${seconds} s (processor time in ms, context switches; all threads)"
echo "velmarin.exe:    cpu ${v_ms} ms, ${v_sw} switches"
echo "bare_window.exe: cpu ${b_ms} ms, ${b_sw} switches"
echo "wineserver (serves both): cpu ${s_ms} ms, $((s_sw1 - s_sw0)) switches"
if [ "$v_ms" -le "$b_ms" ] && [ "$v_sw" -le "$b_sw" ]; then
  echo "velmarin is no busier than the bare window while idle (target met)"
else
  echo "velmarin is busier than the bare window while idle (target missed)"
fi
