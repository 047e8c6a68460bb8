#!/usr/bin/env bash
# With the skin switched on but no skin.bmp beside the program, the program says so once, starts
# without the skin (looking as it does with the skin off), and saves the skin switched off.
#   missing_skin_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
# The sample's appearance flags (3) with the skin on (8).
e2e_settings "$e2e_root/resources/sample/velmarin.ini" FlgAppearance=11
title="Skin取得のエラー"

e2e_start
program=$started
box=$(e2e_wait_window "$title" 30) || e2e_fail "no message about the missing skin"
[ "$(e2e_count_windows "$title")" = 1 ] || e2e_fail "more than one message about the skin"
e2e_answer "$box" Return || e2e_fail "the message did not take OK"
w=$(e2e_main_window) || e2e_fail "the main window did not show after the message"
e2e_picture "$w" "$dir/window.png"
e2e_same_as_ref "$dir/window.png" look-plain
# Nothing else asks about the skin, neither while the window is up nor at exit.
sleep 1
[ "$(e2e_count_windows "$title")" = 0 ] || e2e_fail "the message about the skin came again"
e2e_click_close "$w" 1
e2e_wait_exit "$program" || e2e_fail "the program did not end on a left click"
appearance=$(e2e_value "$dir/velmarin.ini" FlgAppearance)
[ "$appearance" = 3 ] || e2e_fail "FlgAppearance=$appearance saved, not 3 (the skin switched off)"
echo "PASS"
