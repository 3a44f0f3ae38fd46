#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (default 30 seconds) on a copy of its corpus. A crash fails the run and
# leaves the input that caused it in build/fuzz/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds="${1:-30}"
"$root/scripts/install-deps.sh" test

build="$root/build/fuzz"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLENDORA_BUILD_FUZZ=ON -DLENDORA_BUILD_TESTS=OFF -DLENDORA_BUILD_BENCH=OFF \
    "${launcher[@]}" >/dev/null
targets=()
for source in "$root"/fuzz/*_fuzz.cpp; do
    targets+=("$(basename "$source" .cpp)")
done
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
for fuzzer in "$build"/fuzz/*_fuzz; do
    name=$(basename "$fuzzer" _fuzz)
    work="$build/corpus-$name"
    rm -rf "$work" && mkdir -p "$work"
    echo "== $name: $seconds s"
    (cd "$build" && "$fuzzer" -max_total_time="$seconds" -timeout=10 -max_len=2048 \
        -print_final_stats=1 "$work" "$root/fuzz/corpus/$name" 2>&1 | tail -n 12)
done
