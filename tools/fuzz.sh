#!/usr/bin/env bash
# Runs the number-text fuzzers for longer than CI does, keeping what they find in
# build/fuzz-corpus/. Any property violation stops with the crashing input saved in the cwd.
#
# usage: tools/fuzz.sh [SECONDS-PER-TARGET]   (default 600)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
tools/install-deps.sh run test
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
for target in parse_lenient parse_strict format_number; do
    corpus=build/fuzz-corpus/$target
    mkdir -p "$corpus"
    echo "== $target for ${seconds}s"
    "build/fuzz/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=256 \
        -print_final_stats=1 "$corpus" "tests/fuzz/corpus/$target" 2>&1 |
        grep -E '^(Done|stat::number_of_executed_units)|violated|ERROR'
done
