#!/usr/bin/env bash
# Renders the launcher icons, PNGs at 32, 64 and 128 pixels, from the scalable icon into
# packaging/icons/ (or into DIR). The PNGs are committed; the package test renders them again
# and requires the same bytes.
#
# usage: tools/render-icons.sh [DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source=packaging/icons/invalid.vexlet.finder.svg
out=${1:-packaging/icons}
for size in 32 64 128; do
    mkdir -p "$out/${size}x$size"
    rsvg-convert --width "$size" --height "$size" "$source" \
        >"$out/${size}x$size/invalid.vexlet.finder.png"
done
