#!/usr/bin/env bash
# Builds Lendora and starts it in a working directory of its own:
#   run.sh                  the folder workspace/ in the checkout
#   run.sh FOLDER           another folder (created when missing)
#   run.sh --demo [FOLDER]  first copies the demo workspace (examples/demo) into
#                           the folder, unless the folder already holds data
# Run from a terminal on a workspace/ that holds no data yet, it asks whether
# to start with the demo workspace. Without a terminal on its input (scripts,
# CI) it never asks. A folder that holds data (*.lnd files) is never changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

demo=no
case "${1:-}" in
--demo)
    demo=yes
    shift
    ;;
-h | --help)
    sed -n '2,9s/^# \{0,1\}//p' "$0"
    exit 0
    ;;
-*)
    echo "unknown option $1 (see $0 --help)" >&2
    exit 2
    ;;
esac
if [ $# -gt 1 ]; then
    echo "usage: $0 [--demo] [FOLDER]" >&2
    exit 2
fi

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
    again="$0"
    [ "$demo" = yes ] && again="$again --demo"
    cat >&2 <<TXT
Lendora is a desktop program and there is no display here (DISPLAY is not set).
  - On a desktop, run this command from a terminal inside your graphical session.
  - Over ssh, connect with X forwarding: ssh -X, then run it again.
  - Without any screen, start it on a virtual display:
        xvfb-run -a -s "-screen 0 1400x900x24" $again ${1:-}
    (xvfb-run comes with the Debian package xvfb).
The program is built: $build/lendora
TXT
    exit 2
fi

# Whether the folder holds any data file of the program (names are compared
# without regard to letter case, as the program does).
holds_data() {
    [ -n "$(find "$workdir" -maxdepth 1 -type f -iname '*.lnd' -print -quit)" ]
}

if [ "$demo" = no ] && [ $# -eq 0 ] && [ -t 0 ] && ! holds_data; then
    answer=
    read -r -p "Start with the demo workspace? [y/N] " answer || true
    case "$answer" in
    [yY]*) demo=yes ;;
    esac
fi

if [ "$demo" = yes ]; then
    if holds_data; then
        echo "$workdir already holds Lendora data: the demo workspace is not copied." >&2
    else
        cp "$root"/examples/demo/*.lnd "$workdir"/
        echo "The demo workspace (a home loan plan with two strategies) is in $workdir"
    fi
fi

cd "$workdir"
echo "Lendora works in $(pwd)"
exec "$build/lendora"
