#!/usr/bin/env bash
# A long run of the monkey test on the real program under wine:
#   bench/monkey.sh [EVENTS [START]]      (defaults: 5000 events, a random start number)
# Builds the win32 preset first when velmarin.exe is missing; runs on its own Xvfb unless
# $DISPLAY is set. The events and checks are those of tests/e2e/monkey_test.sh.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe="$root/build/win32/velmarin.exe"
if [ ! -f "$exe" ]; then
  (cd "$root" && cmake --preset win32 >/dev/null && cmake --build build/win32 -j2)
fi
export MONKEY_EVENTS=${1:-5000}
if [ -n "${2:-}" ]; then export MONKEY_START=$2; fi
exec bash "$root/tests/e2e/monkey_test.sh" "$exe"
