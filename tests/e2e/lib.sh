# Helpers of the end-to-end tests (sourced). Each test runs the real velmarin.exe under wine in a
# temporary program folder of its own, on the display scripts/test provides (or on an Xvfb of its
# own), drives it with xdotool as a person would, and checks the settings file it leaves.
# With VELMARIN_E2E_WM=openbox a test always runs on an Xvfb of its own with that window manager
# (scripts/wine-env), in a wine prefix of that mode, where wine leaves placement, stacking and
# activation to the manager as on a desktop.
#   source lib.sh; e2e_init PATH/TO/velmarin.exe
set -uo pipefail

e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_data="$e2e_root/tests/e2e/data"
root=$e2e_root
# shellcheck source=scripts/wine-env
source "$e2e_root/scripts/wine-env"

e2e_pids=()
e2e_own_xvfb=""
e2e_xorg_dir=""
e2e_mounted=""
declare -A e2e_exit_codes=()
dir=""

e2e_cleanup() {
  local pid
  for pid in "${e2e_pids[@]}"; do
    if kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  done
  for pid in "${e2e_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  if [ -n "$e2e_own_xvfb" ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if [ -n "${VELMARIN_WM_PID:-}" ]; then
      kill "$VELMARIN_WM_PID" 2>/dev/null || true
      wait "$VELMARIN_WM_PID" 2>/dev/null || true
    fi
    # Gone before the next test's Xvfb may take the same display number, whose socket a server
    # still ending would remove.
    kill "$e2e_own_xvfb" 2>/dev/null || true
    wait "$e2e_own_xvfb" 2>/dev/null || true
  fi
  if [ -n "$e2e_xorg_dir" ]; then rm -rf "$e2e_xorg_dir"; fi
  # Lazily when something still holds it, so the folder never stays mounted.
  if [ -n "$e2e_mounted" ]; then umount "$e2e_mounted" 2>/dev/null || umount -l "$e2e_mounted"; fi
  if [ -n "$dir" ] && [ -z "${E2E_KEEP:-}" ]; then rm -rf "$dir" "$dir.wine-errors"; fi
}

e2e_fail() {
  echo "FAIL: $*" >&2
  e2e_report >&2
  if [ -n "$dir" ] && [ -n "${DISPLAY:-}" ]; then
    import -window root "$dir/../$(basename "$0" .sh)-failure.png" 2>/dev/null || true
  fi
  exit 1
}

# What a failure leaves to go on: the programs this test started, the wine processes, and the
# named windows on the display with their state and geometry.
e2e_report() {
  local pid w state
  for pid in "${e2e_pids[@]}"; do
    if kill -0 "$pid" 2>/dev/null; then echo "  started program $pid: running"; else
      wait "$pid" 2>/dev/null
      echo "  started program $pid: ended (${e2e_exit_codes[$pid]:-$?})"
    fi
  done
  pgrep -a -f '\.exe' 2>/dev/null | grep -v ' bash ' | sed 's/^/  process /' || true
  if [ -n "$dir" ] && [ -s "$dir.wine-errors" ]; then
    echo "  wine's errors for the started programs (last 20 lines):"
    tail -n 20 "$dir.wine-errors" | sed 's/^/    /'
  fi
  [ -n "${DISPLAY:-}" ] || return 0
  for w in $(xdotool search --name '.' 2>/dev/null); do
    state=$(xwininfo -id "$w" 2>/dev/null | sed -n 's/^ *Map State: //p')
    echo "  window $w \"$(xdotool getwindowname "$w" 2>/dev/null)\" $state" \
      "$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/^ *//; 2,3p' | tr '\n' ' ')"
  done
}

e2e_init() {
  local exe=$1
  [ -f "$exe" ] || { echo "FAIL: no program at $exe" >&2; exit 1; }
  trap e2e_cleanup EXIT
  if [ -n "${VELMARIN_E2E_WM:-}" ] && [ -z "$e2e_own_xvfb" ]; then unset DISPLAY; fi
  if [ -z "${DISPLAY:-}" ]; then
    velmarin_start_xvfb || exit 1
    e2e_own_xvfb=$VELMARIN_XVFB_PID
  fi
  velmarin_boot_prefix
  mkdir -p "$e2e_root/build/e2e"
  dir=$(mktemp -d "$e2e_root/build/e2e/$(basename "$0" .sh).XXXXXX")
  cp "$exe" "$dir/velmarin.exe"
  local icl
  icl="$(dirname "$exe")/velmarin.icl"
  if [ -f "$icl" ]; then cp "$icl" "$dir/"; fi
  e2e_exe=$exe
}

# Two monitors side by side, for a test that calls this before e2e_init: an X server of its own
# (Xorg with the dummy video driver, tests/e2e/data/two-monitors.conf), whose 2048 x 768 screen
# wine reports as two monitors of 1024 x 768, the primary at (0, 0) and one at (1024, 0); and a
# wine prefix of its own, whose wine server is not bound to another display. The server ends
# with the test. A display that does not start fails the test.
e2e_two_monitors() {
  local xorg=/usr/lib/xorg/Xorg i
  trap e2e_cleanup EXIT
  [ -x "$xorg" ] || e2e_fail "no Xorg at $xorg (scripts/setup installs xserver-xorg-core)"
  e2e_xorg_dir=$(mktemp -d)
  # -configdir: none of the system's configuration snippets; -displayfd: a free display number,
  # written once the server accepts connections.
  "$xorg" -displayfd 9 -config "$e2e_data/two-monitors.conf" -configdir "$e2e_xorg_dir" \
    -logfile "$e2e_xorg_dir/Xorg.log" -noreset -nolisten tcp -novtswitch -sharevts \
    9>"$e2e_xorg_dir/display" >/dev/null 2>&1 &
  e2e_own_xvfb=$!
  for ((i = 0; i < 100; i++)); do
    [ -s "$e2e_xorg_dir/display" ] && break
    kill -0 "$e2e_own_xvfb" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$e2e_xorg_dir/display" ]; then
    grep -F '(EE)' "$e2e_xorg_dir/Xorg.log" >&2
    e2e_fail "the two-monitor display (Xorg with the dummy driver) did not start"
  fi
  DISPLAY=":$(head -n1 "$e2e_xorg_dir/display" | tr -d '[:space:]')"
  export DISPLAY
  export WINEPREFIX="${VELMARIN_WINEPREFIX:-$e2e_root/build/wineprefix}-two-monitors"
}

# Puts the build's sample skin (made next to velmarin.exe) into the program folder.
e2e_add_skin() {
  local skin
  skin="$(dirname "$e2e_exe")/skin.bmp"
  [ -f "$skin" ] || e2e_fail "no sample skin at $skin"
  cp "$skin" "$dir/"
}

# Puts the program folder, with what it holds, on a file system of its own until the test ends:
# "tmpfs SIZE", a memory file system of that size, or "ro [FOLDER]", the folder (or another one)
# read-only (a bind mount: as root the files' modes would not stop a write). Needs the right to
# mount.
e2e_mount_folder() {
  local keep
  case $1 in
    tmpfs)
      keep=$(mktemp -d "$dir.XXXXXX")
      cp -a "$dir/." "$keep/"
      if mount -t tmpfs -o "size=$2" tmpfs "$dir"; then e2e_mounted=$dir; fi
      cp -a "$keep/." "$dir/"
      rm -rf "$keep"
      [ -n "$e2e_mounted" ] || e2e_fail "cannot mount a tmpfs on $dir"
      ;;
    ro)
      local folder=${2:-$dir}
      mount --bind "$folder" "$folder" || e2e_fail "cannot bind-mount $folder"
      e2e_mounted=$folder
      mount -o remount,bind,ro "$folder" || e2e_fail "cannot make $folder read-only"
      ;;
  esac
}

# Lets go of the program folder's own file system (what a tmpfs held goes with it).
e2e_unmount_folder() {
  umount "$e2e_mounted" || e2e_fail "cannot unmount $e2e_mounted"
  e2e_mounted=""
}

# After a close that cannot save: waits for the program's message beside main window $1, reads
# its text with the save probe (the box's title is the main window's), and answers OK. $2 names
# the case for a failure.
e2e_save_failure_shown() {
  local probe box text
  probe=${VELMARIN_SAVE_PROBE:-$(dirname "$e2e_exe")/tests/save_probe.exe}
  [ -f "$probe" ] || e2e_fail "no save probe at $probe"
  box=$(e2e_wait_window velmarin 15 "$1") || e2e_fail "$2: no message after the close cell"
  text=$("$VELMARIN_WINE" "$probe" text velmarin) || e2e_fail "$2: the probe found no box"
  [ "$text" = "File Save Error..." ] || e2e_fail "$2: the message says \"$text\""
  e2e_answer "$box" Return || e2e_fail "$2: the message did not take OK"
}

# Writes a settings file of $1 pages of ten buttons (each with a tool tip and two drawer items)
# to $2 as written by hand, and to $3 as the program saves it. The header of the saved form is
# that of expected.ini.
e2e_many_pages() {
  awk -v pages="$1" -v old="$2" -v new="$3" '
    /^G=/ { exit }
    { if ($0 ~ /^MaxPage=/) $0 = "MaxPage=" pages "\r"
      print > new }
    END {
      printf "MaxButton=10\r\nMaxDrawer=2\r\nMaxPage=%d\r\nX=1500\r\nY=1200\r\n", pages > old
      for (g = 0; g < pages; g++) {
        line = "G=" g "\r\nC=page " g "\r"
        for (b = 0; b < 10; b++) {
          line = line "\nP=C:\\tools\\page" g "\\program" b ".exe\r\nT=program " b " of page " g "\r"
          line = line "\nM=C:\\tools\\page" g "\\readme" b ".txt\r\nM=C:\\tools\\page" g "\\notes" b ".txt\r"
        }
        print line > old
        print line > new
      }
      print "\r" > old
      print "\r" > new
    }' "$e2e_data/expected.ini"
}

# Writes a settings file to the program folder: the given file (written by hand or by the
# program, code page 932, CR LF), with the values of some keys replaced, as KEY=VALUE arguments
# (plain values: no "|" and no backslash).
e2e_settings() {
  local from=$1 pair
  shift
  cp "$from" "$dir/velmarin.ini"
  for pair in "$@"; do
    sed -i "s|^${pair%%=*}=.*\r\$|${pair}\r|" "$dir/velmarin.ini"
    grep -q "^${pair}"$'\r'"\$" "$dir/velmarin.ini" || e2e_fail "no ${pair%%=*}= line in $from"
  done
}

# The value of a key in a settings file (the first line with it), without its CR; its bytes as
# they stand (code page 932), whatever the locale.
e2e_value() {
  LC_ALL=C sed -n "s/^$2=\(.*\)\r\$/\1/p" "$1" | head -n1
}

# Starts the program from its folder; its pid is appended to e2e_pids and put in $started.
# Runs a helper program from the test's folder, wine's errors kept for the report as for the
# program; a failure says the helper's exit code.
e2e_helper() {
  local code=0
  (cd "$dir" && WINEDEBUG=err+all "$VELMARIN_WINE" "$@" 2>>"$dir.wine-errors") || code=$?
  [ "$code" = 0 ] || echo "  $1 ended with code $code" >&2
  return "$code"
}

e2e_start() {
  # Wine's own errors kept for the report: a start that ends at once (it has, rarely, with code 1
  # when the window could not be made) leaves what wine said about it.
  (cd "$dir" && WINEDEBUG=err+all exec "$VELMARIN_WINE" velmarin.exe 2>>"$dir.wine-errors") &
  started=$!
  e2e_pids+=("$started")
}

# Polls until a visible window with exactly this title shows (and prints its id). Optional: the
# seconds to wait (default 30), and a window passed over (a box titled as the main window).
e2e_wait_window() {
  local name=$1 limit=${2:-30} other=${3:-none} w i
  for ((i = 0; i < limit * 10; i++)); do
    w=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | grep -vx "$other" | head -n1 || true)
    if [ -n "$w" ]; then
      echo "$w"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Runs the command given until it succeeds, every tenth of a second for at most 10 s; fails when
# it never did.
e2e_until() {
  local i
  for ((i = 0; i < 100; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Counts the visible windows with exactly this title.
e2e_count_windows() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

# The main window: visible, titled "velmarin", as wide as the layout makes it (default: ten
# buttons, 445 client pixels and a one-pixel frame).
e2e_main_window() {
  local width=${1:-447} limit=${2:-30} w i
  for ((i = 0; i < limit * 10; i++)); do
    for w in $(xdotool search --onlyvisible --name '^velmarin$' 2>/dev/null); do
      if [ "$(xdotool getwindowgeometry --shell "$w" | sed -n 's/^WIDTH=//p')" = "$width" ]; then
        echo "$w"
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

# Clicks with a mouse button (1 left, 3 right) at a point of a window's client area; the frame
# is one pixel wide.
e2e_click() {
  local w=$1 x=$2 y=$3 button=$4
  xdotool mousemove --window "$w" $((x + 1)) $((y + 1))
  sleep 0.2
  xdotool click "$button"
}

# Types a line into window w's Run box (over the title strip above the last three cells) and
# presses Enter.
e2e_run_typed() {
  local w=$1
  e2e_click "$w" 300 10 1
  sleep 0.3
  xdotool type --delay 20 "$2"
  sleep 0.3
  xdotool key Return
}

# Drags a file with the left button from a drag probe (the program at $1, holding file $2) onto
# the point (x, y) of window w's client area, in small steps, as a hand would. A sixth argument
# names keys held from just after the press (the probe has the keyboard then, so wine sees them)
# until the release.
e2e_drop_file() {
  local probe=$1 file=$2 w=$3 x=$4 y=$5 keys=${6:-} p step X Y
  (cd "$dir" && exec "$VELMARIN_WINE" "$probe" "$file") &
  e2e_pids+=("$!")
  p=$(e2e_wait_window drag_probe) || e2e_fail "the drag probe did not show"
  sleep 0.5
  xdotool mousemove --window "$p" 50 50
  sleep 0.3
  xdotool mousedown 1
  sleep 0.3
  if [ -n "$keys" ]; then xdotool keydown "$keys"; fi
  eval "$(xdotool getwindowgeometry --shell "$w")"
  for step in 1 2 3 4 5 6; do
    xdotool mousemove $((X + x - 6 + step)) $((Y + y))
    sleep 0.2
  done
  xdotool mouseup 1
  if [ -n "$keys" ]; then xdotool keyup "$keys"; fi
}

# Opens a window from a popup menu: a right click at (x, y) of window w, then the access keys
# given, in turn, until a window titled $title shows; three tries. Prints the window.
e2e_open_from_menu() {
  local w=$1 x=$2 y=$3 title=$4 d i k
  shift 4
  for i in 1 2 3; do
    e2e_click "$w" "$x" "$y" 3
    sleep 0.5
    for k in "$@"; do
      xdotool key --clearmodifiers "$k"
      sleep 0.3
    done
    if d=$(e2e_wait_window "$title" 5); then
      echo "$d"
      return 0
    fi
    # One Escape for each menu level opened.
    for k in "$@"; do xdotool key Escape; done
  done
  return 1
}

# Drags with the left button from a point of a window's client area by (dx, dy) pixels, in a few
# steps, as a hand would.
e2e_drag() {
  local w=$1 x=$2 y=$3 dx=$4 dy=$5 step
  xdotool mousemove --window "$w" $((x + 1)) $((y + 1))
  sleep 0.2
  xdotool mousedown 1
  for step in 1 2 3 4; do
    sleep 0.1
    xdotool mousemove_relative -- $((dx / 4)) $((dy / 4))
  done
  sleep 0.2
  xdotool mouseup 1
}

# The window of the screen's top level that holds window $1: the window itself without a window
# manager, the frame the manager put round it with one. Stacking is told between these.
e2e_toplevel() {
  local w=$1 parent root
  while :; do
    root=$(xwininfo -children -id "$w" 2>/dev/null | sed -n 's/^ *Root window id: \(0x[0-9a-f]*\).*/\1/p')
    parent=$(xwininfo -children -id "$w" 2>/dev/null | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    if [ -z "$parent" ] || [ "$((parent))" = "$((root))" ]; then break; fi
    w=$parent
  done
  echo "$((w))"
}

# Clicks the close box of a window with a caption. Without a window manager wine draws the
# caption inside the window, with its close box at its right end; with one, the manager draws it
# above the window (_NET_FRAME_EXTENTS: left, right, top, bottom), and the close box of the
# tests' openbox theme (scripts/openbox-rc.xml) sits 11 pixels from the frame's right edge.
# (xwininfo gives a framed window's place on the screen; xdotool adds the frame's offset twice.)
e2e_click_close_box() {
  local w=$1 extents x y width right top
  extents=$(xprop -id "$w" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ' ')
  if [ -n "$extents" ]; then
    right=$(cut -d, -f2 <<<"$extents")
    top=$(cut -d, -f3 <<<"$extents")
    x=$(xwininfo -id "$w" | sed -n 's/^ *Absolute upper-left X: *//p')
    y=$(xwininfo -id "$w" | sed -n 's/^ *Absolute upper-left Y: *//p')
    width=$(xwininfo -id "$w" | sed -n 's/^ *Width: *//p')
    xdotool mousemove $((x + width + right - 11)) $((y - top + top / 2))
  else
    width=$(xwininfo -id "$w" | sed -n 's/^ *Width: *//p')
    xdotool mousemove --window "$w" $((width - 12)) 12
  fi
  sleep 0.2
  xdotool click 1
}

# The colour of the main window's caption cell beside its text, as #RRGGBB: with the settings
# ColTitleBarActBack and ColTitleBarInActBack it tells whether the program is the active one.
e2e_title_colour() {
  import -window "$1" -crop 1x1+201+9 -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n1
}

# Polls until the caption cell of window $1 shows colour $2 (some 5 s).
e2e_wait_title_colour() {
  local i
  for ((i = 0; i < 50; i++)); do
    [ "$(e2e_title_colour "$1")" = "$2" ] && return 0
    sleep 0.1
  done
  return 1
}

# Whether a window is still on the screen.
e2e_viewable() {
  xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# Answers a message box with a key (a mnemonic such as "y", Return or Escape) and waits until
# the box has gone. Under Xvfb without a window manager wine sometimes takes the first key after
# a box appears as its activation only, so the key is pressed again while the box is still there.
e2e_answer() {
  local w=$1 key=$2 attempt i
  for attempt in 1 2 3 4 5; do
    e2e_viewable "$w" || return 0
    xdotool mousemove --window "$w" 4 4 2>/dev/null || return 0
    xdotool key --clearmodifiers "$key"
    for i in $(seq 1 10); do
      if ! e2e_viewable "$w"; then return 0; fi
      sleep 0.1
    done
  done
  return 1
}

# Polls until a file has something in it (default 15 s); false when it never does.
e2e_wait_file() {
  local file=$1 limit=${2:-15} i
  for ((i = 0; i < limit * 10; i++)); do
    [ -s "$file" ] && return 0
    sleep 0.1
  done
  return 1
}

# Polls until the program with this pid has ended (default 30 s); its exit code is then in
# $exit_code.
e2e_wait_exit() {
  local pid=$1 limit=${2:-30} i
  for ((i = 0; i < limit * 10; i++)); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" 2>/dev/null
      exit_code=$?
      e2e_exit_codes[$pid]=$exit_code
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# The close cell of the ten-button window: 17 x 17 pixels at (428, 0) of the client area.
e2e_click_close() {
  e2e_click "$1" 436 8 "$2"
}

# Fails unless two files have the same bytes; shows the difference as text.
e2e_same_file() {
  local got=$1 want=$2 what=$3
  if ! cmp -s "$got" "$want"; then
    diff <(iconv -f cp932 -t utf-8 "$want" | cat -A) <(iconv -f cp932 -t utf-8 "$got" | cat -A) >&2 || true
    e2e_fail "$what: $got differs from $want"
  fi
}

# ---- Pictures of the window.
# A test takes a picture of a window (or of a rectangle of its client area) once the window has
# stopped changing, and compares it with another picture or with a reference kept in
# tests/e2e/data/ref-*.png. Pictures count as the same when at most a few pixels differ by more
# than 10% (fonts and icons may come out a pixel different); a missing icon or caption changes
# hundreds. To take new references on purpose, after a change of the look:
#   VELMARIN_UPDATE_REFS=1 ctest --preset win32 -R e2e_
# writes every reference a test compares with (look at them before committing them).

# Differing pixels of two pictures of the same size.
e2e_differing() {
  compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 | sed 's/[^0-9].*//'
}

# Takes a picture of window $1 into $2, cut to the client rectangle W H X Y ($3..$6; all of the
# window when left out). The pointer is moved off the window first, so no tool tip covers it,
# and pictures are taken until two in a row agree, so the window has finished painting.
e2e_picture() {
  local w=$1 out=$2 crop="" i
  if [ $# -ge 6 ]; then crop="$3x$4+$(($5 + 1))+$(($6 + 1))"; fi
  rm -f "$out"
  xdotool mousemove 1270 790
  for ((i = 0; i < 50; i++)); do
    if [ -n "$crop" ]; then
      import -window "$w" -crop "$crop" +repage "$out.next.png" 2>/dev/null
    else
      import -window "$w" "$out.next.png" 2>/dev/null
    fi
    if [ -f "$out" ] && [ "$(e2e_differing "$out" "$out.next.png")" = 0 ]; then
      rm -f "$out.next.png"
      return 0
    fi
    mv -f "$out.next.png" "$out"
    sleep 0.15
  done
  e2e_fail "window $w did not settle for a picture"
}

# Fails unless picture $1 matches the reference tests/e2e/data/ref-$2.png with at most $3
# differing pixels (default 40); keeps the differences next to the picture. With
# VELMARIN_UPDATE_REFS set it writes the reference instead.
e2e_same_as_ref() {
  local got=$1 ref="$e2e_data/ref-$2.png" allowed=${3:-40} n
  if [ -n "${VELMARIN_UPDATE_REFS:-}" ]; then
    cp "$got" "$ref"
    echo "wrote $ref" >&2
    return 0
  fi
  [ -f "$ref" ] || e2e_fail "no reference $ref (take it with VELMARIN_UPDATE_REFS=1)"
  n=$(e2e_differing "$got" "$ref")
  if [ -z "$n" ] || [ "$n" -gt "$allowed" ]; then
    compare -fuzz 10% "$got" "$ref" "${got%.png}-diff.png" 2>/dev/null
    cp "$got" "$dir/../$(basename "$0" .sh)-$2.png" 2>/dev/null
    e2e_fail "the picture differs from ref-$2.png in ${n:-all} pixels (at most $allowed allowed)"
  fi
}

# Takes pictures of the client rectangle W H X Y of window $1 until it matches picture $2
# ("same") or stops matching it ("differs"), for some 10 s; the last one is left in $3.
e2e_wait_picture() {
  local w=$1 want=$2 out=$3 how=$4 n i
  shift 4
  for ((i = 0; i < 40; i++)); do
    e2e_picture "$w" "$out" "$@"
    n=$(e2e_differing "$out" "$want")
    if [ "$how" = same ] && [ "$n" = 0 ]; then return 0; fi
    if [ "$how" = differs ] && [ "$n" != 0 ]; then return 0; fi
    sleep 0.1
  done
  return 1
}
