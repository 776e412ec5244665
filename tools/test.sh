#!/usr/bin/env bash
# The whole test suite from a bare Debian 12 machine: install what is missing, then configure,
# build (warnings as errors) and run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --workflow --preset ci
