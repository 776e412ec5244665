#!/usr/bin/env bash
# Installs, from Debian's archive, the packages that building, testing and running need and
# that this machine lacks, plus any package named on the command line. Quiet and quick when
# everything is already there.
#
# usage: tools/install-deps.sh [EXTRA-PACKAGE...]
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build qt6-base-dev
    # fonts the window is designed around, and a plain sans-serif
    fonts-comic-neue fonts-ocr-a fonts-dejavu-core
    # tests: GoogleTest and Google Benchmark; an X server and tools to drive the real window
    libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth x11-utils xdotool
    # packaging: file and dpkg-shlibdeps find the package's library dependencies; the desktop
    # entry check
    file dpkg-dev desktop-file-utils
    # fuzzing and sanitizers: clang with libFuzzer and its runtimes
    clang libclang-rt-14-dev
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
