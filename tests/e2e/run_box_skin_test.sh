#!/usr/bin/env bash
# With the skin on, "RunBoxの中も描画する" lays the skin under the Run box onto its white field
# (ANDed, so its text would stay dark); with that option off the field stays white. The field is
# looked at inside the box (client 262..339 x 2..13), once with each setting.
#   run_box_skin_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
e2e_add_skin
sample="$e2e_root/resources/sample/velmarin.ini"

# The number of white pixels in the Run box's field, with FlgAppearance $1.
white_in_field() {
  local appearance=$1 w program
  e2e_settings "$sample" "FlgAppearance=$appearance"
  e2e_start
  program=$started
  w=$(e2e_main_window) || e2e_fail "the main window did not show ($appearance)"
  sleep 1  # the Run box is made after the first paint
  e2e_picture "$w" "$dir/field-$appearance.png" 78 12 262 2
  e2e_click_close "$w" 1
  e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click ($appearance)"
  convert "$dir/field-$appearance.png" -fuzz 3% -fill black +opaque white \
    -format '%[fx:round(mean*w*h)]' info:
}

# The skin (8) without and with the Run box painted (16), over the sample's 3.
plain=$(white_in_field 11)
painted=$(white_in_field 27)
echo "white pixels in the field: $plain without, $painted with the option"
[ "$plain" -gt 800 ] || e2e_fail "without the option the field is not white ($plain of 936)"
[ "$painted" -lt 100 ] || e2e_fail "with the option the field is still white ($painted of 936)"
echo "PASS"
