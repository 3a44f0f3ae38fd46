#!/usr/bin/env bash
# Takes the screenshots of the user guide on a virtual display and puts them
# into docs/screenshots/ (or the folder given as the first argument).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" test
out="${1:-$root/docs/screenshots}"
mkdir -p "$out"
out=$(cd "$out" && pwd)

build="$root/build/test"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target lendora_screenshots
LENDORA_SCREENSHOTS="$out" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1400x900x24" "$build/docs/tools/lendora_screenshots"
ls "$out"
