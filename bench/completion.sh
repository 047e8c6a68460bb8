#!/usr/bin/env bash
# The Run box's tool-tip search per keystroke under wine, with the system's comparison that
# ignores case, over 12 000 Japanese tool tips (see bench/completion.cpp). Target: < 0.1 ms.
#   bench/completion.sh        (builds the win32 preset's completion program first)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

cmake --preset win32 >/dev/null
cmake --build build/win32 -j"${VELMARIN_JOBS:-2}" --target completion >/dev/null
bash "$root/scripts/wine-run" build/win32/completion.exe
