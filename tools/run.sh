#!/usr/bin/env bash
# Builds the program from a bare Debian 12 machine (installing what is missing) and starts
# its window. Without a display it says how to start it on a virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh
tools/install-deps.sh run
quietly cmake --preset release
quietly cmake --build --preset release --target vexlet-finder
exec build/release/desktop/vexlet-finder "$@"
