#!/usr/bin/env bash
# Builds every release file twice with tools/release.sh, each time from a tree of the commit in
# a folder of its own, the second a second later with another umask, locale and time zone, and
# compares them byte for byte. Where a file differs, diffoscope shows how.
#
# usage: tests/package/reproducible-test.sh
set -uo pipefail
cd "$(dirname "$0")/../.."
runs=$(mktemp -d)
trap 'rm -rf "$runs"' EXIT
for run in first second; do
    release=$(if [[ $run == first ]]; then
        umask 022; LC_ALL=C tools/release.sh
    else
        sleep 1; umask 077; LC_ALL=C.UTF-8 TZ=Pacific/Auckland tools/release.sh
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
