#!/usr/bin/env bash
# Start-up of the program against a baseline (an empty main window with a menu bar): time from
# process start to the first paint, and peak resident memory by then, as medians over RUNS runs
# (default 15), under Xvfb (X11) and on Qt's offscreen platform. Program and baseline alternate
# run by run so that both see the same machine.
#
# usage: tools/startup-bench.sh [RUNS], from any folder
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."
runs=${1:-15}

if [[ -z ${STARTUP_BENCH_DISPLAY:-} ]]; then
    tools/install-deps.sh run test >/dev/null
    cmake --preset ci >/dev/null
    cmake --build --preset ci --target vexlet-finder baseline-window startup-probe >/dev/null
    STARTUP_BENCH_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$self" "$runs"
fi

# LD_PRELOAD splits its value at spaces and colons, so the probe goes in by a link from a folder
# whose path holds none.
links=$(mktemp -d)
trap 'rm -rf "$links"' EXIT
ln -s "$PWD/build/ci/bench/libstartup-probe.so" "$links/"
probe=$links/libstartup-probe.so
program=build/ci/desktop/vexlet-finder
baseline=build/ci/bench/baseline-window

# One start: prints "MILLISECONDS KILOBYTES".
measure() {
    local platform=$1 binary=$2 start line
    start=$(date +%s%N)
    line=$(QT_QPA_PLATFORM=$platform LD_PRELOAD=$probe timeout 20 "$binary" 2>&1 >/dev/null |
        grep -m1 '^first-paint-ns') || { echo "no first paint from $binary" >&2; exit 1; }
    awk -v start="$start" '{ printf "%.2f %d\n", ($2 - start) / 1e6, $4 }' <<<"$line"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf '%-10s %-9s %12s %12s\n' platform program "first paint" "peak RSS"
for platform in xcb offscreen; do
    for binary in "$program" "$baseline"; do measure "$platform" "$binary" >/dev/null; done # warm caches
    declare -A times=() memory=()
    for _ in $(seq "$runs"); do
        for binary in "$program" "$baseline"; do
            read -r ms kb < <(measure "$platform" "$binary")
            times[$binary]+="$ms"$'\n'
            memory[$binary]+="$kb"$'\n'
        done
    done
    p_ms=$(printf '%s' "${times[$program]}" | median)
    b_ms=$(printf '%s' "${times[$baseline]}" | median)
    p_kb=$(printf '%s' "${memory[$program]}" | median)
    b_kb=$(printf '%s' "${memory[$baseline]}" | median)
    printf '%-10s %-9s %9.1f ms %9d kB\n' "$platform" program "$p_ms" "$p_kb"
    printf '%-10s %-9s %9.1f ms %9d kB\n' "$platform" baseline "$b_ms" "$b_kb"
    awk -v p="$p_ms" -v b="$b_ms" -v pk="$p_kb" -v bk="$b_kb" -v pl="$platform" \
        'BEGIN { printf "%-10s ratio     %12.2f   %+8.1f MiB\n", pl, p / b, (pk - bk) / 1024 }'
    unset times memory
done
echo "medians of $runs runs each"
