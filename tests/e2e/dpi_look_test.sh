#!/usr/bin/env bash
# The window at 96 and at 192 dots per inch, the DPI set in wine's registry (LogPixels) as a user
# sets it for the screen: at 192 the window is twice as wide and high inside its one-pixel frame,
# the cells and the caption's font are twice the size, the icons are drawn from their 64-pixel
# pictures and the skin is doubled pixel by pixel. At 96 the window is what it always was.
# Compared with tests/e2e/data/ref-look-plain.png (96 DPI, also window_look_test's reference),
# ref-dpi192-plain.png and ref-dpi192-skin.png.
#   dpi_look_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
e2e_add_skin
sample="$e2e_root/resources/sample/velmarin.ini"

# The system's DPI for the programs started from now on (the registry is wine's, shared by the
# tests that follow: it goes back to 96 however this test ends).
set_dpi() {
  local key
  for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
    "$VELMARIN_WINE" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
      e2e_fail "could not set LogPixels to $1"
  done
}
trap 'set_dpi 96; e2e_cleanup' EXIT

look() {
  local dpi=$1 appearance=$2 name=$3 width=$4 height=$5 w program size
  set_dpi "$dpi"
  e2e_settings "$sample" "FlgAppearance=$appearance"
  e2e_start
  program=$started
  w=$(e2e_main_window "$width") || e2e_fail "no main window $width pixels wide at $dpi DPI ($name)"
  size=$(xdotool getwindowgeometry "$w" | sed -n 's/^ *Geometry: //p')
  [ "$size" = "${width}x$height" ] || e2e_fail "the window is $size at $dpi DPI, not ${width}x$height"
  e2e_picture "$w" "$dir/$name.png"
  e2e_same_as_ref "$dir/$name.png" "$name"
  # The close cell: (428, 0) of the client area, 17 x 17 layout pixels.
  e2e_click "$w" $((436 * dpi / 96)) $((8 * dpi / 96)) 1
  e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click ($name)"
}

look 96 3 look-plain 447 57
look 192 3 dpi192-plain 892 112
look 192 11 dpi192-skin 892 112
echo "PASS"
