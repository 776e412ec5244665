#!/usr/bin/env bash
# Plays one scenario through the driver and compares what it prints with what the scenario
# expects. A scenario is a driver script in which a line "= TEXT" is a line the driver must
# print on standard output at that point and "! TEXT" one it must print on standard error; a
# scenario with "!" lines expects the driver to stop with status 2, any other status 0.
#
# usage: run-scenario.sh DRIVER SCENARIO [DRIVER OPTIONS...]
set -uo pipefail
driver=$1
scenario=$2
shift 2

script=$(grep -v -e '^= ' -e '^=$' -e '^! ' "$scenario")
expected_out=$(sed -n -e 's/^= //p' -e 's/^=$//p' "$scenario")
expected_err=$(sed -n -e 's/^! //p' "$scenario")
expected_status=0
[[ -n $expected_err ]] && expected_status=2

err_file=$(mktemp)
trap 'rm -f "$err_file"' EXIT
actual_out=$(printf '%s\n' "$script" | "$driver" "$@" 2>"$err_file")
status=$?
actual_err=$(cat "$err_file")

failed=0
if [[ $actual_out != "$expected_out" ]]; then
    echo "standard output differs (- expected, + actual):"
    diff -u <(printf '%s\n' "$expected_out") <(printf '%s\n' "$actual_out") | tail -n +3
    failed=1
fi
if [[ $actual_err != "$expected_err" ]]; then
    echo "standard error differs (- expected, + actual):"
    diff -u <(printf '%s\n' "$expected_err") <(printf '%s\n' "$actual_err") | tail -n +3
    failed=1
fi
if [[ $status -ne $expected_status ]]; then
    echo "exit status $status, expected $expected_status"
    failed=1
fi
exit $failed
