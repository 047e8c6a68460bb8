#!/usr/bin/env bash
# Start-up cost of velmarin.exe against a bare Win32 window of the same size, under wine: ten
# starts of each from a program folder until the main window is visible, the median times, their
# ratio, and the peak memory (VmHWM) of each process. A third program, the same bare window
# taking dropped files (OLE started, one drop target registered: what every window that takes
# drops pays), is the floor for memory. Targets: time at most 1.2 x the bare window, memory at
# most 1.1 x the bare window with its drop target. A fourth, that drop window with a worker thread
# that asks the shell for the Start menu's two program folders and waits, shows what is left of
# the program's memory once the system's share of watching the Start menu is paid (under wine a
# new thread alone costs about 1 MB: wine clears 960 KB of every new thread's stack).
#   bench/startup.sh [RUNS]      (builds the win32 preset first)
#   VELMARIN_BENCH_EXE=build/win32-release/velmarin.exe bench/startup.sh
#                                measures that velmarin.exe (and the velmarin.icl beside it)
#                                instead of the win32 preset's, against the same bare windows
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
runs=${1:-10}

cmake --preset win32 >/dev/null
cmake --build build/win32 -j"${VELMARIN_JOBS:-2}" --target velmarin velmarin_icl bare_window \
  bare_drop_window bare_reader_window >/dev/null

source "$root/bench/wine-bench"
bench_wine_start bench
folder=$bench_folder

exe=${VELMARIN_BENCH_EXE:-build/win32/velmarin.exe}
[ -f "$exe" ] || { echo "bench: no program at $exe" >&2; exit 1; }
echo "velmarin.exe measured: $exe ($(stat -c %s "$exe") bytes)"
cp "$exe" build/win32/bare_window.exe build/win32/bare_drop_window.exe \
  build/win32/bare_reader_window.exe "$folder/"
if [ -f "$(dirname "$exe")/velmarin.icl" ]; then cp "$(dirname "$exe")/velmarin.icl" "$folder/"; fi
cp resources/sample/velmarin.ini "$folder/velmarin.ini.sample"

now_ms() { date +%s%3N; }

# The waiter catches the window's map event itself (no polling, no processor time taken from the
# program) and notes the time it saw it; it runs at a higher priority than the programs, so that
# the work a program goes on with after showing its window does not delay the stopwatch. Without
# a C compiler and the X11 headers the window is polled for with xdotool.
waiter="$root/build/bench/wait_window"
mkdir -p "$(dirname "$waiter")"
if [ ! -x "$waiter" ] || [ bench/wait_window.c -nt "$waiter" ]; then
  cc -O2 -o "$waiter" bench/wait_window.c -lX11 2>/dev/null || waiter=""
fi
fifo="$folder/ready"
mkfifo "$fifo"
seen="$folder/seen"
# Higher priority for the stopwatch where the system allows it.
priority=()
if nice -n -10 true 2>/dev/null; then priority=(nice -n -10); fi

# Waits for the window titled $1; returns when it is mapped (or after 15 s).
wait_for_window() {
  local title=$1 i w
  if [ -n "$waiter" ]; then
    wait "$waiter_pid"
    return
  fi
  for ((i = 0; i < 3000; i++)); do
    w=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
    if [ -n "$w" ]; then return 0; fi
    sleep 0.005
  done
  return 1
}

# One start: prints "milliseconds peak-kB". The window counts once it is mapped on the screen.
measure() {
  local exe=$1 title=$2
  if [ "$exe" = velmarin.exe ]; then cp "$folder/velmarin.ini.sample" "$folder/velmarin.ini"; fi
  local start end hwm=0 v i ready
  if [ -n "$waiter" ]; then
    rm -f "$seen"
    "${priority[@]}" "$waiter" "$title" 15 "$seen" >"$fifo" &
    waiter_pid=$!
    read -r ready <"$fifo"
  fi
  start=$(now_ms)
  (cd "$folder" && exec "$VELMARIN_WINE" "$exe") &
  program_pid=$!
  bench_pids=("$program_pid")
  wait_for_window "$title" || { echo "bench: $exe showed no window" >&2; exit 1; }
  end=$(now_ms)
  if [ -n "$waiter" ] && [ -s "$seen" ]; then end=$(cat "$seen"); fi
  # Peak memory: sampled for a moment after the window shows.
  for ((i = 0; i < 10; i++)); do
    v=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$program_pid/status" 2>/dev/null || true)
    if [ -n "$v" ] && [ "$v" -gt "$hwm" ]; then hwm=$v; fi
    sleep 0.05
  done
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
  bench_pids=()
  echo "$((end - start)) $hwm"
}

median() { sort -n | awk '{a[NR]=$1} END {if (NR % 2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }

# One start of each before measuring, so that neither pays for a cold file cache.
measure velmarin.exe velmarin >/dev/null
measure bare_window.exe bare_window >/dev/null
measure bare_drop_window.exe bare_drop_window >/dev/null
measure bare_reader_window.exe bare_reader_window >/dev/null

: >"$folder/velmarin.txt"
: >"$folder/bare.txt"
: >"$folder/drop.txt"
: >"$folder/reader.txt"
for ((r = 1; r <= runs; r++)); do
  # Alternate, so that a slow moment of the machine falls on all three.
  measure velmarin.exe velmarin >>"$folder/velmarin.txt"
  measure bare_window.exe bare_window >>"$folder/bare.txt"
  measure bare_drop_window.exe bare_drop_window >>"$folder/drop.txt"
  measure bare_reader_window.exe bare_reader_window >>"$folder/reader.txt"
done

v_time=$(cut -d' ' -f1 "$folder/velmarin.txt" | median)
b_time=$(cut -d' ' -f1 "$folder/bare.txt" | median)
v_best=$(cut -d' ' -f1 "$folder/velmarin.txt" | sort -n | head -n1)
b_best=$(cut -d' ' -f1 "$folder/bare.txt" | sort -n | head -n1)
v_mem=$(cut -d' ' -f2 "$folder/velmarin.txt" | sort -n | tail -n1)
b_mem=$(cut -d' ' -f2 "$folder/bare.txt" | sort -n | tail -n1)
d_time=$(cut -d' ' -f1 "$folder/drop.txt" | median)
d_mem=$(cut -d' ' -f2 "$folder/drop.txt" | sort -n | tail -n1)
r_mem=$(cut -d' ' -f2 "$folder/reader.txt" | sort -n | tail -n1)
echo "velmarin.exe:    median ${v_time} ms to a visible window, peak ${v_mem} kB (runs: $(cut -d' ' -f1 "$folder/velmarin.txt" | tr '\n' ' '))"
echo "bare_window.exe: median ${b_time} ms to a visible window, peak ${b_mem} kB (runs: $(cut -d' ' -f1 "$folder/bare.txt" | tr '\n' ' '))"
echo "bare_drop_window.exe: median ${d_time} ms to a visible window, peak ${d_mem} kB (runs: $(cut -d' ' -f1 "$folder/drop.txt" | tr '\n' ' '))"
echo "bare_reader_window.exe: peak ${r_mem} kB"
# The best start of each is the one least disturbed by whatever else the machine does.
awk -v a="$v_time" -v b="$b_time" -v c="$v_mem" -v d="$b_mem" -v e="$v_best" -v f="$b_best" \
  'BEGIN {printf "against the bare window: time %.2f (best starts %d / %d ms: %.2f; target <= 1.20), memory %.2f\n",
          a / b, e, f, e / f, c / d}'
awk -v a="$v_time" -v b="$d_time" -v c="$v_mem" -v d="$d_mem" \
  'BEGIN {printf "against the bare window with a drop target: time %.2f, memory %.2f (target <= 1.10)\n",
          a / b, c / d}'
awk -v c="$v_mem" -v d="$r_mem" -v e="$d_mem" \
  'BEGIN {printf "against the bare drop window with a Start-menu worker: memory %.2f (that worker alone: %.2f of the drop window)\n",
          c / d, d / e}'
