#!/usr/bin/env bash
# Builds every release file twice with tools/release.sh and compares them byte for byte: first
# from this checkout, then from a clone of its commit made with core.autocrlf=true, with
# CXXFLAGS, LDFLAGS, EMCC_CFLAGS, DEB_CXXFLAGS_APPEND and the caller's dpkg build-flags file each
# asking for something harmless that changes the bytes if it reaches a build. Where a file
# differs, diffoscope shows how.
#
# usage: tests/package/reproducible-test.sh
set -uo pipefail
cd "$(dirname "$0")/../.." || exit 1
runs=$(mktemp -d)
trap 'rm -rf "$runs"' EXIT
if ! git clone --quiet --no-checkout -c core.autocrlf=true . "$runs/clone" ||
    ! git -C "$runs/clone" checkout --quiet --detach "$(git rev-parse HEAD)"; then
    echo "FAIL: could not clone the commit"
    exit 1
fi
mkdir -p "$runs/config/dpkg"
echo "APPEND CXXFLAGS -fstack-protector-all" >"$runs/config/dpkg/buildflags.conf"
for run in first second; do
    release=$(if [[ $run == first ]]; then
        tools/release.sh
    else
        CXXFLAGS=-fno-omit-frame-pointer LDFLAGS=-Wl,--hash-style=both EMCC_CFLAGS=-g1 \
            DEB_CXXFLAGS_APPEND=-fno-plt XDG_CONFIG_HOME=$runs/config "$runs/clone/tools/release.sh"
    fi | tail -n 1) || { echo "FAIL: tools/release.sh failed"; exit 1; }
    mv "$release" "$runs/$run"
done
cat "$runs/first/SHA256SUMS"
if cmp -s "$runs/first/SHA256SUMS" "$runs/second/SHA256SUMS"; then
    echo "two builds of every release file are the same, byte for byte"
    exit 0
fi
diff "$runs/first/SHA256SUMS" "$runs/second/SHA256SUMS"
for file in "$runs"/first/*; do
    other=$runs/second/$(basename "$file")
    cmp -s "$file" "$other" || diffoscope --text - "$file" "$other" | head -n 200
done
echo "FAIL: two builds of the same commit differ"
exit 1
