#!/usr/bin/env bash
# The whole test suite from a bare Debian 12 machine: install what is missing, then configure,
# build and run every test four ways: the normal build (warnings as errors); everything under
# AddressSanitizer and UndefinedBehaviorSanitizer with leak checks, the real window included;
# the number-text fuzzers for a bounded time each; and the page, built with emscripten and run
# in Node.js and a real browser. Last, every release file built twice must come out the same.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh run test package web
for preset in ci asan fuzz web; do
    echo "== $preset"
    cmake --workflow --preset "$preset"
done
echo "== reproducible"
tests/package/reproducible-test.sh
