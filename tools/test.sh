#!/usr/bin/env bash
# The whole test suite from a bare Debian 12 machine: install what is missing, then configure,
# build and run every test three ways: the normal build (warnings as errors); everything under
# AddressSanitizer and UndefinedBehaviorSanitizer with leak checks, the real window included;
# and the number-text fuzzers for a bounded time each.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh run test package
for preset in ci asan fuzz; do
    echo "== $preset"
    cmake --workflow --preset "$preset"
done
