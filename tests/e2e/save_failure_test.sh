#!/usr/bin/env bash
# A save that fails says "File Save Error...", the program still ends with code 0, and the old
# settings file stays as it was with nothing left beside it; the next save, once the cause is
# gone, writes the file whole. A file held only for a moment (as a scanner holds it) is waited
# for: no message, the file saved. The causes: the file held open by another program (at the close,
# or at the start, when the program could not read it), a file in a folder that may not be read
# (so that whether it is there cannot be asked), a read-only folder, a full disk. Runs as root
# (it mounts file systems on the program folder).
#   save_failure_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
probe=$(realpath -e "${VELMARIN_SAVE_PROBE:-$(dirname "$1")/tests/save_probe.exe}") ||
  e2e_fail "no save probe"
# Big enough (some 120 KB) that a save does not fit in what the full disk has left.
old="$dir.old.ini"
new="$dir.new.ini"
trap 'e2e_cleanup; rm -f "$old" "$new"' EXIT
e2e_many_pages 100 "$old" "$new"
cp "$old" "$dir/velmarin.ini"

# Starts the program, closes it with the close cell, and checks what a failed save leaves.
fails_to_save() {
  local cause=$1 w
  ${starter:-e2e_start}
  program=$started
  w=$(e2e_main_window) || e2e_fail "$cause: the main window did not show"
  if [ -n "${2:-}" ]; then "$2"; fi
  e2e_click_close "$w" 1
  e2e_save_failure_shown "$w" "$cause"
  e2e_wait_exit "$program" || e2e_fail "$cause: the program did not end after the message"
  [ "$exit_code" = 0 ] || e2e_fail "$cause: the program ended with code $exit_code"
  e2e_same_file "$dir/velmarin.ini" "$old" "$cause: the old settings file"
  only_our_files "$cause"
}

# Fails when the program folder holds anything but the program's files (and the filler).
only_our_files() {
  local stray
  stray=$(ls -A "$dir" | grep -vx -e velmarin.exe -e velmarin.icl -e velmarin.ini -e filler)
  [ -z "$stray" ] || e2e_fail "$1: left in the folder: $stray"
}

# Starts the program and closes it: the save now goes through.
saves() {
  e2e_start
  program=$started
  w=$(e2e_main_window) || e2e_fail "$1: the main window did not show"
  e2e_click_close "$w" 1
  e2e_wait_exit "$program" || e2e_fail "$1: the program did not end"
  e2e_same_file "$dir/velmarin.ini" "$new" "$1: the file saved afterwards"
  only_our_files "$1"
  cp "$old" "$dir/velmarin.ini"
}

# Another program holds the file open without sharing it: while the program saves, or while it
# starts (then it runs on the defaults, which must not replace the file it could not read).
# "hold scan" holds it as a scanner does, letting others read and write it but not delete it.
hold() {
  (cd "$dir" && exec "$VELMARIN_WINE" "$probe" "${1:-hold}" velmarin.ini) >"$dir.held" &
  holder=$!
  e2e_pids+=("$holder")
  e2e_until grep -q held "$dir.held" || e2e_fail "the probe could not hold the file"
  rm -f "$dir.held"
}
let_go() {
  kill "$holder"
  e2e_wait_exit "$holder" || e2e_fail "the probe did not let go of the file"
}
fails_to_save "held open at the close" hold
let_go
hold
fails_to_save "held open at the start" let_go
saves "after the file was let go"

# Held for about a second across the close: the save waits for the file and says nothing.
e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "held for a moment: the main window did not show"
hold scan
e2e_click_close "$w" 1
sleep 0.8
let_go
if ! e2e_wait_exit "$program" 20; then
  if e2e_wait_window velmarin 1 "$w" >/dev/null; then
    e2e_fail "held for a moment: the save gave up with a message"
  fi
  e2e_fail "held for a moment: the program did not end"
fi
[ "$exit_code" = 0 ] || e2e_fail "held for a moment: the program ended with code $exit_code"
e2e_same_file "$dir/velmarin.ini" "$new" "held for a moment: the file saved"
only_our_files "held for a moment"
cp "$old" "$dir/velmarin.ini"

# The file is a link into a folder the program may not read: root's right to pass over
# permissions is taken from it, so asking whether the file is there fails. The file is not
# called missing, and the defaults do not replace it.
locked="$dir.locked"
trap 'chmod 700 "$locked" 2>/dev/null; rm -rf "$locked"; e2e_cleanup; rm -f "$old" "$new"' EXIT
mkdir "$locked" && mv "$dir/velmarin.ini" "$locked/" && chmod 000 "$locked" &&
  ln -s "$locked/velmarin.ini" "$dir/velmarin.ini" || e2e_fail "cannot lock the file away"
start_unprivileged() {
  (cd "$dir" && exec setpriv --bounding-set -dac_override,-dac_read_search --inh-caps -all \
    "$VELMARIN_WINE" velmarin.exe) &
  started=$!
  e2e_pids+=("$started")
}
starter=start_unprivileged fails_to_save "in a folder that may not be read"
[ -L "$dir/velmarin.ini" ] || e2e_fail "the link to the file was replaced"
chmod 700 "$locked" && rm "$dir/velmarin.ini" && mv "$locked/velmarin.ini" "$dir/"
saves "once the file could be read"

e2e_mount_folder ro
fails_to_save "read-only folder"
e2e_unmount_folder
saves "once the folder was writable"

# Nothing but the last 16 KB left free on the folder's disk.
e2e_mount_folder tmpfs 4m
free=$(df --output=avail -B1 "$dir" | tail -n1)
head -c $((free - 16384)) /dev/zero >"$dir/filler" || e2e_fail "cannot fill the disk"
fails_to_save "full disk"
rm "$dir/filler"
saves "once the disk had room"
echo "PASS"
