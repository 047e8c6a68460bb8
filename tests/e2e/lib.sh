# Helpers of the end-to-end tests (sourced). Each test runs the real velmarin.exe under wine in a
# temporary program folder of its own, on the display scripts/test provides (or on an Xvfb of its
# own), drives it with xdotool as a person would, and checks the settings file it leaves.
#   source lib.sh; e2e_init PATH/TO/velmarin.exe
set -uo pipefail

e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_data="$e2e_root/tests/e2e/data"
root=$e2e_root
# shellcheck source=scripts/wine-env
source "$e2e_root/scripts/wine-env"

e2e_pids=()
e2e_own_xvfb=""
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
    kill "$e2e_own_xvfb" 2>/dev/null || true
  fi
  if [ -n "$dir" ] && [ -z "${E2E_KEEP:-}" ]; then rm -rf "$dir"; fi
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
      echo "  started program $pid: ended ($?)"
    fi
  done
  pgrep -a -f '\.exe' 2>/dev/null | grep -v ' bash ' | sed 's/^/  process /' || true
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
}

# Starts the program from its folder; its pid is appended to e2e_pids and put in $started.
e2e_start() {
  (cd "$dir" && exec "$VELMARIN_WINE" velmarin.exe) &
  started=$!
  e2e_pids+=("$started")
}

# Polls until a visible window with exactly this title shows (and prints its id). Optional
# second argument: seconds to wait (default 30).
e2e_wait_window() {
  local name=$1 limit=${2:-30} w i
  for ((i = 0; i < limit * 10; i++)); do
    w=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n1 || true)
    if [ -n "$w" ]; then
      echo "$w"
      return 0
    fi
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

# Polls until the program with this pid has ended (default 30 s).
e2e_wait_exit() {
  local pid=$1 limit=${2:-30} i
  for ((i = 0; i < limit * 10; i++)); do
    if ! kill -0 "$pid" 2>/dev/null; then return 0; fi
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
