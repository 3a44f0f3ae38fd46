#!/usr/bin/env bash
# Builds a Debian package of Lendora (build/package/lendora_*.deb).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" run
command -v dpkg-shlibdeps >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -q dpkg-dev
build="$root/build/package"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DLENDORA_BUILD_TESTS=OFF -DLENDORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target lendora -j "$(nproc)"
(cd "$build" && cpack -G DEB)
ls "$build"/*.deb
