#!/usr/bin/env bash
# Every performance figure of docs/PERFORMANCE.md in one run: the core and command benchmarks
# (medians of 5 repetitions), the start-up comparison with the baseline window, the page in
# headless Chromium, and Lighthouse on the site as nginx serves it, three runs.
#
# usage: tools/benchmarks.sh [STARTUP-RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh run test web
cmake --preset ci >/dev/null
cmake --build --preset ci --target core_bench ui_bench >/dev/null
options=(--benchmark_min_time=0.5 --benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
echo "== core (medians)"
build/ci/bench/core_bench "${options[@]}" 2>/dev/null | grep '_median'
echo "== commands on the plain model and on the real window, offscreen (medians)"
build/ci/bench/ui_bench "${options[@]}" 2>/dev/null | grep '_median'
echo "== start-up"
tools/startup-bench.sh "${1:-15}"
echo "== the page"
built=$(tools/web.sh)
bench/page_bench.py "$(head -n 1 <<<"$built")" 20
echo "== the site on nginx: Lighthouse, three runs"
for _ in 1 2 3; do
    /usr/bin/python3 tests/web/page_lighthouse.py "$(tail -n 1 <<<"$built")"
done
