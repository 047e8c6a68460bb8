#!/usr/bin/env bash
# The shelf's right-click menu on its entries, chosen by the menu's letters: a program opened, a
# shortcut on the desktop that the link reader follows to the file and its icon (and a shortcut
# of that shortcut, which takes the next free name rather than replace it), a rename on disk, a
# copy another program pastes, and a delete declined (file and entry stay) and then confirmed
# (both go).
#   shelf_menu_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
command -v lnkinfo >/dev/null || e2e_fail "no lnkinfo (scripts/setup installs it)"
probe="$(dirname "$1")/tests/clipboard_probe.exe"
[ -f "$probe" ] || e2e_fail "no clipboard probe at $probe"
cp "$probe" "$dir/clipboard_probe.exe"
# The launch probe, opened with no argument, writes its report next to itself.
launch_probe=${VELMARIN_LAUNCH_PROBE:-$(dirname "$1")/tests/launch_probe.exe}
[ -f "$launch_probe" ] || e2e_fail "no launch probe at $launch_probe"
# Shortcuts on the desktop are left alone by wine's menu builder.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"

files="$dir/shelf files"
mkdir -p "$files"
echo alpha >"$files/alpha file.txt"
echo beta >"$files/beta file.txt"
cp "$launch_probe" "$files/probe copy.exe"
folder="Z:${files//\//\\}"
printf '%s\r\n' X=1500 Y=1200 MaxButton=10 FlgStorageBehavior=16 FlgMode=24 \
  ColStorageBack=16777215 G=0 P= "O=$folder\\alpha file.txt" "O=$folder\\beta file.txt" \
  "O=$folder\\probe copy.exe" |
  iconv -f utf-8 -t cp932 >"$dir/velmarin.ini"

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
# The shelf's entries are 16 pixels apart from y = 65 of the client area.
first=65
second=82
third=98
fourth=114
# Opens the menu of an entry and picks an item by its letter; with a third argument the entry is
# selected by a left click first (a left click on the selected entry would edit its label).
e2e_pick() {
  if [ $# -ge 3 ]; then
    e2e_click "$w" 40 "$1" 1
    sleep 0.3
  fi
  e2e_click "$w" 40 "$1" 3
  sleep 0.7
  xdotool key "$2"
}
wait_for() {
  local i
  for ((i = 0; i < 300; i++)); do
    if eval "$1"; then return 0; fi
    sleep 0.1
  done
  return 1
}

# Open: the program starts.
e2e_pick $third e select
wait_for '[ -f "$files/probe copy.exe.txt" ]' || e2e_fail "open did not start the program"

# Shortcut: written to the desktop; the link reader finds the file as target and icon. The
# shortcut joins the shelf; a shortcut made of it there is "alpha file (2).lnk", and the first
# keeps its target.
user=${USER:-$(id -un)}
desktop="$WINEPREFIX/drive_c/users/$user/Desktop"
link="$desktop/alpha file.lnk"
again="$desktop/alpha file (2).lnk"
rm -f "$link" "$again"
e2e_pick $first a select
wait_for '[ -s "$link" ]' || e2e_fail "no shortcut at $link"
e2e_pick $fourth a select
wait_for '[ -s "$again" ]' || e2e_fail "no second shortcut at $again"
cp "$link" "$dir/alpha file.lnk"
cp "$again" "$dir/alpha file (2).lnk"
rm -f "$link" "$again"
info=$(lnkinfo "$dir/alpha file.lnk") || e2e_fail "lnkinfo cannot read the shortcut"
grep -qF "Local path			: $folder\\alpha file.txt" <<<"$info" || e2e_fail "target: $info"
grep -qF "Icon location			: $folder\\alpha file.txt" <<<"$info" || e2e_fail "icon: $info"
info=$(lnkinfo "$dir/alpha file (2).lnk") || e2e_fail "lnkinfo cannot read the second shortcut"
grep -qF "Local path			: C:\\users\\$user\\Desktop\\alpha file.lnk" <<<"$info" ||
  e2e_fail "second target: $info"

# Rename: the label edit renames the file.
e2e_pick $second m select
sleep 0.7
xdotool type "gamma file.txt"
xdotool key Return
wait_for '[ -f "$files/gamma file.txt" ]' || e2e_fail "the file was not renamed"
[ -f "$files/beta file.txt" ] && e2e_fail "the old name is still there"

# Copy: another program reads the file list and the drop effect.
e2e_pick $second c
sleep 0.5
(cd "$dir" && "$VELMARIN_WINE" clipboard_probe.exe clipboard.bin) || e2e_fail "the clipboard probe failed"
bytes=$(od -An -v -tx1 "$dir/clipboard.bin" | tr -d ' \n')
path_hex=$(printf '%s' "$folder\\gamma file.txt" | iconv -f utf-8 -t cp932 | od -An -v -tx1 | tr -d ' \n')
list_hex="1400000000000000000000000000000000000000${path_hex}000000"
size=$(printf '%08x' $((${#list_hex} / 2)) | sed 's/\(..\)\(..\)\(..\)\(..\)/\4\3\2\1/')
[ "$bytes" = "${size}${list_hex}0400000001000000" ] || e2e_fail "the clipboard held $bytes"

# Delete, declined: the file and the entry stay.
e2e_pick $first w select
question=$(e2e_wait_window "ファイルの削除の確認" 20) || e2e_fail "the shell did not ask"
e2e_answer "$question" n || e2e_fail "the question did not go on n"
sleep 0.5
[ -f "$files/alpha file.txt" ] || e2e_fail "a declined delete removed the file"
# Delete, confirmed: the file leaves its folder.
e2e_pick $first w
question=$(e2e_wait_window "ファイルの削除の確認" 20) || e2e_fail "the shell did not ask again"
e2e_answer "$question" y || e2e_fail "the question did not go on y"
wait_for '[ ! -f "$files/alpha file.txt" ]' || e2e_fail "a confirmed delete kept the file"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
# The shelf written back: the renamed file, the program and the two shortcuts; the deleted file
# is gone.
entries=$(iconv -f cp932 -t utf-8 "$dir/velmarin.ini" | tr -d '\r' | sed -n 's/^O=//p')
shortcuts="C:\\users\\$user\\Desktop\\alpha file"
want="$folder\\gamma file.txt"$'\n'"$folder\\probe copy.exe"$'\n'"$shortcuts.lnk"$'\n'"$shortcuts (2).lnk"
[ "$entries" = "$want" ] || e2e_fail "the shelf holds [$entries], not [$want]"
echo "PASS"
