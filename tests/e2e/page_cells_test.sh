#!/usr/bin/env bash
# The next-page and previous-page cells turn the pages round, and the back and forward cells step
# through the pages seen, as the caption strip shows; the back arrow lights up once there is a
# page to go back to, and the forward arrow goes dark after a new turn.
#   page_cells_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
# The sample's three pages: よく使う, ツール, フォルダ.
e2e_settings "$e2e_root/resources/sample/velmarin.ini"

# Client rectangles (width, height, left, top) of the ten-button window.
caption=(183 17 75 0)
back=(37 17 0 0)
forward=(37 17 37 0)

# Waits until the caption is no longer the one of picture $1 and keeps it as picture $2.
another() {
  e2e_wait_picture "$w" "$1" "$2" differs "${caption[@]}" ||
    e2e_fail "the caption stayed the one of $(basename "$1" .png) ($3)"
}
# Waits until the caption shows what picture $1 shows.
expect() {
  e2e_wait_picture "$w" "$1" "$dir/now.png" same "${caption[@]}" ||
    e2e_fail "the caption is not the one of $(basename "$1" .png) ($2)"
}
previous_cell() { e2e_click "$w" 389 25 1; }
next_cell() { e2e_click "$w" 426 25 1; }
back_cell() { e2e_click "$w" 18 8 1; }
forward_cell() { e2e_click "$w" 55 8 1; }

e2e_start
program=$started
w=$(e2e_main_window) || e2e_fail "the main window did not show"
e2e_picture "$w" "$dir/page0.png" "${caption[@]}"
e2e_picture "$w" "$dir/back-dark.png" "${back[@]}"
e2e_picture "$w" "$dir/forward-dark.png" "${forward[@]}"

next_cell
another "$dir/page0.png" "$dir/page1.png" "next page"
e2e_picture "$w" "$dir/back-lit.png" "${back[@]}"
[ "$(e2e_differing "$dir/back-lit.png" "$dir/back-dark.png")" -gt 40 ] ||
  e2e_fail "the back arrow did not light up after a turn"
next_cell
another "$dir/page1.png" "$dir/page2.png" "next page again"
[ "$(e2e_differing "$dir/page2.png" "$dir/page0.png")" -gt 40 ] ||
  e2e_fail "the third page shows the first page's caption"
# From the last page the next-page cell comes round to the first.
next_cell
expect "$dir/page0.png" "next page after the last"

# The pages seen were 0, 1, 2, 0: back twice, then forward once.
back_cell
expect "$dir/page2.png" "back once"
back_cell
expect "$dir/page1.png" "back twice"
e2e_picture "$w" "$dir/forward-lit.png" "${forward[@]}"
[ "$(e2e_differing "$dir/forward-lit.png" "$dir/forward-dark.png")" -gt 40 ] ||
  e2e_fail "the forward arrow did not light up after going back"
forward_cell
expect "$dir/page2.png" "forward"

# Back once more, then a turn of its own: what lay ahead is forgotten.
back_cell
expect "$dir/page1.png" "back again"
previous_cell
expect "$dir/page0.png" "previous page"
e2e_wait_picture "$w" "$dir/forward-dark.png" "$dir/now.png" same "${forward[@]}" ||
  e2e_fail "the forward arrow stayed lit after a turn of its own"

e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
echo "PASS"
