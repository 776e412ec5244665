#!/usr/bin/env bash
# Without any display the program says so in one line and how to proceed, and stops with
# status 1 instead of the toolkit's crash.
#
# usage: no-display-test.sh PROGRAM
set -uo pipefail
program=$1

err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1 >/dev/null)
status=$?
lines=$(printf '%s\n' "$err" | wc -l)

failed=0
[[ $status -eq 1 ]] || { echo "FAIL: status $status, expected 1"; failed=1; }
[[ $lines -eq 1 ]] || { echo "FAIL: $lines lines on standard error, expected 1"; failed=1; }
[[ $err == *xvfb-run* ]] || { echo "FAIL: the message names no way to proceed"; failed=1; }
printf '%s\n' "$err"
exit $failed
