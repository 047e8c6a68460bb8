#!/usr/bin/env bash
# The window with the sample settings looks as it did, without the skin and with it: the arrow
# cells, the caption of the first page, the Run box, the small cells and the icons of the row.
# Compared with tests/e2e/data/ref-look-plain.png and ref-look-skin.png (see lib.sh for taking
# them again).
#   window_look_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
e2e_add_skin
sample="$e2e_root/resources/sample/velmarin.ini"

look() {
  local appearance=$1 name=$2 w program
  e2e_settings "$sample" "FlgAppearance=$appearance"
  e2e_start
  program=$started
  w=$(e2e_main_window) || e2e_fail "the main window did not show ($name)"
  e2e_picture "$w" "$dir/$name.png"
  e2e_same_as_ref "$dir/$name.png" "$name"
  e2e_click_close "$w" 1
  e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click ($name)"
}

# The sample's appearance flags, and the same with the skin on.
look 3 look-plain
look 11 look-skin
echo "PASS"
