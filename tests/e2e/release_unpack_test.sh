#!/usr/bin/env bash
# The release zip where people unpack it: packed from the build's files as scripts/package packs
# it, unpacked under C:\users\USER\デスクトップ\ランチャー 2\ in a wine prefix of its own (beside
# the tests' one), and started from there. Its read-me is for Notepad (code page 932, CR LF) and
# names the settings as the dialog does; the program's version information is the About box's.
# The sample's first page shows with its icons; the settings dialog opens and cancels; the close
# cell ends it with code 0 and velmarin.ini is saved beside it. In a read-only folder (a bind
# mount: runs as root) the close cell shows the save failure, the program still ends with 0, and
# the old file is as it was.
#   release_unpack_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
build=$(cd "$(dirname "$1")" && pwd)
probe=$build/tests/version_probe.exe
[ -f "$probe" ] || { echo "FAIL: no version probe at $probe" >&2; exit 1; }
if [ -z "${VELMARIN_E2E_WM:-}" ]; then
  export WINEPREFIX="${VELMARIN_WINEPREFIX:-$e2e_root/build/wineprefix}-unpack"
fi
e2e_init "$1"
desk="$WINEPREFIX/drive_c/users/$(id -un)/デスクトップ"
app="$desk/ランチャー 2/velmarin"
cleanup() {
  e2e_cleanup
  # This prefix's wine processes (its desktop among them) hold nothing in the folder any more.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$desk/ランチャー 2"
}
trap cleanup EXIT
trap 'exit 1' TERM INT
rm -rf "$desk/ランチャー 2"
mkdir -p "$desk/ランチャー 2"

zip=$(/usr/bin/python3 -B "$e2e_root/scripts/pack_release.py" --build "$build" --out "$dir") ||
  e2e_fail "packing the release failed"
/usr/bin/python3 -m zipfile -e "$zip" "$desk/ランチャー 2/" || e2e_fail "cannot unpack $zip"
got=$(cd "$desk/ランチャー 2" && find . -type f | sort | tr '\n' ' ')
want="./velmarin/license.txt ./velmarin/readme.txt ./velmarin/skin.bmp ./velmarin/velmarin.exe ./velmarin/velmarin.icl ./velmarin/velmarin.ini "
[ "$got" = "$want" ] || e2e_fail "the zip holds $got"

# The read-me: code page 932, every line ending in CR LF, naming the settings as the dialog does.
readme=$(iconv -f cp932 -t utf-8 "$app/readme.txt") || e2e_fail "readme.txt is not code page 932"
[ "$(grep -c $'\r$' "$app/readme.txt")" = "$(wc -l <"$app/readme.txt")" ] ||
  e2e_fail "readme.txt has lines without CR LF"
for option in タスクトレイに表示する ホットキーを設定する 常に手前に表示する; do
  grep -q "$option" "$e2e_root/src/dialogs/settings_dialog_layout.cpp" ||
    e2e_fail "the settings dialog has no option $option any more"
  grep -q "「$option」" <<<"$readme" || e2e_fail "readme.txt does not name the option $option"
done

# The version information, as the file's properties read it.
version=$(sed -n 's/^#define VELMARIN_VERSION "\(.*\)"$/\1/p' "$build/generated/version.h")
major=$(sed -n 's/^#define VELMARIN_VERSION_MAJOR //p' "$build/generated/version.h")
minor=$(sed -n 's/^#define VELMARIN_VERSION_MINOR //p' "$build/generated/version.h")
[ "$(basename "$zip")" = "velmarin-$version.zip" ] || e2e_fail "the zip is named $(basename "$zip")"
info=$(cd "$app" && "$VELMARIN_WINE" "$probe" velmarin.exe) || e2e_fail "velmarin.exe has no version information"
want_info="Version=$major.$minor.0.0
Translation=041104B0
FileDescription=velmarin プログラムランチャー
FileVersion=$version
InternalName=velmarin
LegalCopyright=$(sed -n 2p "$app/license.txt" | tr -d '\r')
OriginalFilename=velmarin.exe
ProductName=velmarin
ProductVersion=$version"
[ "$info" = "$want_info" ] || e2e_fail "the version information reads:
$info"

# Started from the folder it was unpacked into, as a double click starts it.
start_unpacked() {
  (cd "$app" && exec "$VELMARIN_WINE" velmarin.exe) &
  program=$!
  e2e_pids+=("$program")
  w=$(e2e_main_window) || e2e_fail "the main window did not show ($1)"
}
# Waits until the program has ended, and fails unless it ended with code 0.
ends_with_0() {
  e2e_wait_exit "$program" || e2e_fail "the program did not end ($1)"
  [ "$exit_code" = 0 ] || e2e_fail "the program ended with code $exit_code ($1)"
}

# An older date, so the save at exit shows in the file's time.
touch -d '2001-01-01' "$app/velmarin.ini"
start_unpacked "writable folder"
e2e_picture "$w" "$dir/look.png"
e2e_same_as_ref "$dir/look.png" look-plain
d=$(e2e_open_from_menu "$w" 150 8 "velmarinの設定" c) || e2e_fail "the settings dialog did not open"
e2e_answer "$d" Escape || e2e_fail "Escape did not close the settings dialog"
e2e_click_close "$w" 1
ends_with_0 "writable folder"
[ "$(stat -c %Y "$app/velmarin.ini")" -gt "$(date -d '2001-01-02' +%s)" ] ||
  e2e_fail "velmarin.ini was not saved beside the program"
grep -q "^T=" "$app/velmarin.ini" || e2e_fail "the saved velmarin.ini has no buttons"

# The folder read-only: the save fails with the program's message, and nothing is lost.
cp "$app/velmarin.ini" "$dir/before.ini"
e2e_mount_folder ro "$app"
start_unpacked "read-only folder"
e2e_click_close "$w" 1
e2e_save_failure_shown "$w" "read-only folder"
ends_with_0 "read-only folder"
e2e_same_file "$app/velmarin.ini" "$dir/before.ini" "the settings file in the read-only folder"
echo "PASS"
