#!/usr/bin/env bash
# The Start menu's programs under wine (see bench/program_menu.cpp): 3 000 shortcuts made in
# nested folders of the prefix's own menu, read into the catalogue beside a bare walk of the
# folders, its memory, and a keystroke with 12 000 tool tips; then the start-up benchmark with
# those shortcuts and without them, for the window's first paint. The shortcuts are removed at
# the end.
#   bench/program_menu.sh [COUNT [STARTS]]     (builds the win32 preset first; STARTS 0: no start-up)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
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
