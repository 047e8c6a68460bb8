#!/usr/bin/env bash
# The Start menu's programs under wine (see bench/program_menu.cpp): 3 000 shortcuts made in
# nested folders of the prefix's own menu, read into the catalogue beside a bare walk of the
# folders, its memory, and a keystroke with 12 000 tool tips; then the start-up benchmark with
# those shortcuts and without them, for the window's first paint. The shortcuts are removed at
# the end.
#   bench/program_menu.sh [COUNT [STARTS]]     (builds the win32 preset first; STARTS 0: no start-up)
# With VELMARIN_BENCH_ONE_CPU=1 wine's server and the programs share one CPU. Each shortcut read
# is a few requests to wine's server, and on a virtual machine where waking another CPU is slow
# (see the pipe figure printed first) that wake-up, not the reading, is most of the time.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
if [ -n "${VELMARIN_BENCH_ONE_CPU:-}" ] && [ -z "${velmarin_bench_pinned:-}" ]; then
  # A wine server still running would stay on every CPU.
  (source "$root/scripts/wine-env" && wineserver -k 2>/dev/null) || true
  velmarin_bench_pinned=1 exec taskset -c 0 bash "$0" "$@"
fi
# A request and its answer between two processes, as a wine server call is, on one CPU and
# across two.
python3 - <<'PY'
import os, time
def round_trips(n=4000):
    a, b = os.pipe(); c, d = os.pipe()
    if os.fork() == 0:
        os.close(b); os.close(c)
        while os.read(a, 1): os.write(d, b"x")
        os._exit(0)
    os.close(a); os.close(d)
    start = time.perf_counter()
    for _ in range(n):
        os.write(b, b"x"); os.read(c, 1)
    took = (time.perf_counter() - start) / n * 1e6
    os.close(b); os.wait(); os.close(c)
    return took
print("a request and its answer between two processes: %.1f us (on the CPUs this runs on: %s)"
      % (round_trips(), sorted(os.sched_getaffinity(0))))
PY
count=${1:-3000}
starts=${2:-10}

cmake --preset win32 >/dev/null
cmake --build build/win32 -j"${VELMARIN_JOBS:-2}" --target program_menu shortcut_probe >/dev/null

source "$root/bench/wine-bench"
bench_wine_start program_menu
probe=build/win32/tests/shortcut_probe.exe
"$VELMARIN_WINE" "$probe" --folders "$(winepath -w "$bench_folder/folders.txt")"
user_menu=$(sed -n 1p "$bench_folder/folders.txt" | tr -d '\r')
sub="velmarin bench $$"
menu_unix=$(winepath -u "$user_menu\\$sub")
trap 'rm -rf "$menu_unix"; bench_cleanup' EXIT

echo "making $count shortcuts in $user_menu\\$sub"
"$VELMARIN_WINE" "$probe" --many "$count" "$user_menu\\$sub" 'C:\windows\notepad.exe'
bash "$root/scripts/wine-run" build/win32/program_menu.exe

# STARTS 0: the reading and the keystrokes only.
[ "$starts" -gt 0 ] || exit 0
echo "start-up with the $count shortcuts in the menu:"
with=$(bash "$root/bench/startup.sh" "$starts" | grep -E '^velmarin.exe:|^bare_window.exe:')
echo "$with"
rm -rf "$menu_unix"
echo "start-up without them:"
without=$(bash "$root/bench/startup.sh" "$starts" | grep -E '^velmarin.exe:|^bare_window.exe:')
echo "$without"
# Each against its own bare window, so that a slow moment of the machine falls on both.
ratio() { awk '/^velmarin/ {v = $3} /^bare_window/ {b = $3} END {print v / b}'; }
awk -v a="$(ratio <<<"$with")" -v b="$(ratio <<<"$without")" \
  'BEGIN {printf "first window: %.2f x the bare window with the shortcuts, %.2f x without; with / without %.2f (target <= 1.00)\n", a, b, a / b}'
