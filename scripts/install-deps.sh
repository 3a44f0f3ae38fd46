#!/usr/bin/env bash
# Installs the Debian packages Lendora needs, only those that are missing.
#   install-deps.sh run    what building and running the program needs
#   install-deps.sh test   that, plus what the tests and benchmarks need
set -euo pipefail

run_packages=(
    cmake ninja-build g++ pkg-config libreadstat-dev
    qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev libvulkan-dev
    libxlsxwriter-dev libquazip1-qt6-dev zlib1g-dev
    libxkbcommon-dev fonts-dejavu-core
)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth imagemagick poppler-utils python3 python3-openpyxl libfccp-dev
)

packages=("${run_packages[@]}")
if [ "${1:-run}" = test ]; then
    packages+=("${test_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
        sudo="sudo"
    else
        echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
        exit 1
    fi
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
