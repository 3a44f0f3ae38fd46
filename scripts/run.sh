#!/usr/bin/env bash
# Builds Lendora and starts it in a working directory of its own:
#   run.sh            the folder workspace/ in the checkout
#   run.sh FOLDER     another folder (created when missing)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" run

build="$root/build/release"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLENDORA_BUILD_TESTS=OFF -DLENDORA_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --target lendora -j "$(nproc)"

workdir="${1:-$root/workspace}"
mkdir -p "$workdir"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<TXT
Lendora is a desktop program and there is no display here (DISPLAY is not set).
  - On a desktop, run this command from a terminal inside your graphical session.
  - Over ssh, connect with X forwarding: ssh -X, then run it again.
  - Without any screen, start it on a virtual display:
        xvfb-run -a -s "-screen 0 1400x900x24" $0 ${1:-}
    (xvfb-run comes with the Debian package xvfb).
The program is built: $build/lendora
TXT
    exit 2
fi

cd "$workdir"
echo "Lendora works in $(pwd)"
exec "$build/lendora"
