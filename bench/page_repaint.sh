#!/usr/bin/env bash
# Repaint times of the sample settings' pages on the real window under wine (see
# bench/page_repaint.cpp): the first visit of each page and the median of visits again.
#   bench/page_repaint.sh        (builds the win32 preset's page_repaint program first)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

cmake --preset win32 >/dev/null
cmake --build build/win32 -j"${VELMARIN_JOBS:-2}" --target page_repaint velmarin_icl >/dev/null

folder=$(mktemp -d "${TMPDIR:-/tmp}/velmarin-repaint.XXXXXX")
trap 'rm -rf "$folder"' EXIT
cp build/win32/page_repaint.exe build/win32/velmarin.icl "$folder/"
cp resources/sample/velmarin.ini "$folder/"
cd "$folder"
bash "$root/scripts/wine-run" ./page_repaint.exe
