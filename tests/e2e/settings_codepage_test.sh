#!/usr/bin/env bash
# On a Korean system (code page 949) a Japanese settings file comes through a start and a close
# byte for byte: the file without the UTF-8 mark is code page 932 whatever the system's code
# page, one with the mark stays UTF-8, and a byte that is no character goes back where it was,
# with the file kept as velmarin.ini.bak.
#   settings_codepage_test.sh PATH/TO/velmarin.exe
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
korean=ko_KR.UTF-8
sample="$e2e_root/resources/sample/velmarin.ini"

probe=${VELMARIN_SAVE_PROBE:-$(dirname "$e2e_exe")/tests/save_probe.exe}
page=$(LANG=$korean LC_ALL=$korean "$VELMARIN_WINE" "$probe" codepage - | tr -dc '0-9')
[ "$page" = 949 ] || e2e_fail "wine under $korean runs with code page '$page', not 949" \
  "(scripts/setup generates the locale)"

# Each row: a name, how the file is made from the sample, whether a backup is kept.
rows=(
  "sample file|cat|no"
  "a byte that is no character|broken|yes"
  "UTF-8 file with its mark|utf8|no"
)
broken() { LC_ALL=C sed 's/^T=/T=\x85!/'; }
utf8() { printf '\xEF\xBB\xBF'; iconv -f cp932 -t utf-8; }

for row in "${rows[@]}"; do
  IFS='|' read -r name make backup <<<"$row"
  rm -f "$dir/velmarin.ini" "$dir/velmarin.ini.bak"
  $make <"$sample" >"$dir/want.ini"
  cp "$dir/want.ini" "$dir/velmarin.ini"
  (cd "$dir" && LANG=$korean LC_ALL=$korean exec "$VELMARIN_WINE" velmarin.exe) &
  program=$!
  e2e_pids+=("$program")
  w=$(e2e_main_window) || e2e_fail "$name: the main window did not show"
  e2e_click_close "$w" 1
  e2e_wait_exit "$program" || e2e_fail "$name: the program did not end after the close cell"
  cmp -s "$dir/velmarin.ini" "$dir/want.ini" ||
    e2e_fail "$name: the file changed: $(cmp "$dir/velmarin.ini" "$dir/want.ini" 2>&1)"
  if [ "$backup" = yes ]; then
    cmp -s "$dir/velmarin.ini.bak" "$dir/want.ini" || e2e_fail "$name: no copy of the file kept"
  elif [ -e "$dir/velmarin.ini.bak" ]; then
    e2e_fail "$name: a copy was kept of a file read whole"
  fi
done
echo "PASS"
