#!/usr/bin/env bash
# Kills the program while it saves: velmarin.exe under wine with a settings file of 1 000 pages,
# closed with the close cell and killed (kill -9 of its own process) after a delay spread from 0
# to 1.5 times the time a save takes (measured first: from the release of the close cell until
# the file is replaced). After each kill the file must be whole, the old one or the new one (the
# one a clean close writes, taken first), and nothing may stay beside it: a temporary file a kill
# left (made just before it, not yet marked to go with its handle) must be gone after the next
# save. Prints the counts; ends non-zero when a file was damaged or anything stayed.
#   bench/crash_save.sh [RUNS [PATH/TO/velmarin.exe]]    (default 40 runs, build/win32's program)
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-40}
exe=${2:-$root/build/win32/velmarin.exe}
if [ ! -f "$exe" ]; then
  (cd "$root" && cmake --preset win32 >/dev/null && cmake --build build/win32 -j2) || exit 1
fi
# shellcheck source=tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
e2e_init "$exe"
old="$dir.old.ini"
new="$dir.new.ini"
trap 'e2e_cleanup; rm -f "$old" "$new"' EXIT
e2e_many_pages 1000 "$old" "$new"

now_ms() { date +%s%3N; }

# Starts the program on the old file and presses the close cell (e2e_click_close's point).
start_and_press() {
  cp "$old" "$dir/velmarin.ini"
  e2e_start
  program=$started
  w=$(e2e_main_window 447 60) || e2e_fail "the main window did not show"
  xdotool mousemove --window "$w" 437 9
  sleep 0.2
  xdotool mousedown 1
  sleep 0.1
}

# Lets go of the close cell, which starts the save; $released is when (ms).
release() {
  released=$(now_ms)
  xdotool mouseup 1 &
  e2e_pids+=("$!")
}

# Three clean closes: how long the save takes (until the file is replaced; the middle one of
# three), and the file it writes.
times=()
for k in 1 2 3; do
  start_and_press
  inode=$(stat -c %i "$dir/velmarin.ini")
  saved=""
  release
  while kill -0 "$program" 2>/dev/null; do
    if [ -z "$saved" ] && [ "$(stat -c %i "$dir/velmarin.ini")" != "$inode" ]; then
      saved=$(($(now_ms) - released))
    fi
  done
  e2e_wait_exit "$program"
  e2e_same_file "$dir/velmarin.ini" "$new" "the clean close"
  times+=("${saved:-$(($(now_ms) - released))}")
done
saved=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 2p)
echo "clean closes: the file replaced ${times[*]} ms after the release"

# What the folder holds beside the program's own files.
leftovers() { ls -A "$dir" | grep -vx -e velmarin.exe -e velmarin.icl -e velmarin.ini; }

whole_old=0 whole_new=0 damaged=0 strays=0 left_by_kill=0 ended_first=0
started_at=$(now_ms)
for ((r = 0; r < runs; r++)); do
  delay=$((runs > 1 ? saved * 3 * r / (2 * (runs - 1)) : 0))
  start_and_press
  release
  wait_ms=$((delay - ($(now_ms) - released)))
  if [ "$wait_ms" -gt 0 ]; then sleep "$(printf '%d.%03d' $((wait_ms / 1000)) $((wait_ms % 1000)))"; fi
  if kill -0 "$program" 2>/dev/null; then kill -9 "$program"; else ended_first=$((ended_first + 1)); fi
  wait "$program" 2>/dev/null
  if cmp -s "$dir/velmarin.ini" "$old"; then
    whole_old=$((whole_old + 1))
  elif cmp -s "$dir/velmarin.ini" "$new"; then
    whole_new=$((whole_new + 1))
  else
    damaged=$((damaged + 1))
    cp "$dir/velmarin.ini" "$dir.damaged-$r.ini"
    echo "run $r (kill after ${delay} ms): the file is damaged, kept in $dir.damaged-$r.ini" >&2
  fi
  # A kill between the temporary file's making and its mark may leave it; the next save must
  # take it away.
  if [ -n "$(leftovers)" ]; then
    left_by_kill=$((left_by_kill + 1))
    start_and_press
    release
    e2e_wait_exit "$program" || e2e_fail "the program did not end after a clean close"
    left=$(leftovers)
    if [ -n "$left" ]; then
      strays=$((strays + 1))
      echo "run $r (kill after ${delay} ms): still beside the file after the next save: $left" >&2
      leftovers | while IFS= read -r name; do rm -f -- "$dir/$name"; done
    fi
  fi
done
echo "$runs kills from 0 to $((saved * 3 / 2)) ms after the release ($ended_first after the program had ended)," \
  "in $((($(now_ms) - started_at) / 1000)) s"
echo "whole old: $whole_old, whole new: $whole_new, damaged: $damaged," \
  "strays: $strays (left by a kill until the next save: $left_by_kill)"
[ "$damaged" = 0 ] && [ "$strays" = 0 ]
