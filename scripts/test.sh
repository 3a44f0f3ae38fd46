#!/usr/bin/env bash
# Builds Lendora with its tests and runs the whole test suite headless.
# Any extra arguments are passed to ctest (for instance -R Storage).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" test

build="$root/build/test"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLENDORA_BUILD_TESTS=ON -DLENDORA_BUILD_BENCH=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" -j "$(nproc)" --output-on-failure "$@"
