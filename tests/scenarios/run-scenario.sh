#!/usr/bin/env bash
# Plays scenarios through a driver and compares what it prints with what each expects. A scenario
# is a driver script in which a line "= TEXT" is a line the driver must print on standard output
# at that point and "! TEXT" one it must print on standard error; a scenario with "!" lines
# expects the driver to stop with status 2, any other status 0.
#
# usage: run-scenario.sh DRIVER SCENARIO [DRIVER OPTIONS...]
#        run-scenario.sh --one-run DRIVER SCENARIO... -- [DRIVER OPTIONS...]
#
# The second form plays every scenario in one run of a driver that takes several scripts, each
# ended by a line of one U+001E, and after each prints a line of U+001E and the script's status on
# standard output and a line of U+001E on standard error (page_drive.py --scripts); the options
# must ask it for that. Each scenario's output is compared as the first form compares it.
set -uo pipefail
separator=$'\x1e'

script_of() { grep -v -e '^= ' -e '^=$' -e '^! ' "$1"; }

# Whether SCENARIO's expectations hold for the output, errors and status given; says how not,
# naming the scenario.
compare() {
    local scenario=$1 actual_out=$2 actual_err=$3 status=$4 name
    local expected_out expected_err expected_status=0 failed=0
    name=$(basename "$scenario" .scenario)
    expected_out=$(sed -n -e 's/^= //p' -e 's/^=$//p' "$scenario")
    expected_err=$(sed -n -e 's/^! //p' "$scenario")
    [[ -n $expected_err ]] && expected_status=2
    if [[ $actual_out != "$expected_out" ]]; then
        echo "$name: standard output differs (- expected, + actual):"
        diff -u <(printf '%s\n' "$expected_out") <(printf '%s\n' "$actual_out") | tail -n +3
        failed=1
    fi
    if [[ $actual_err != "$expected_err" ]]; then
        echo "$name: standard error differs (- expected, + actual):"
        diff -u <(printf '%s\n' "$expected_err") <(printf '%s\n' "$actual_err") | tail -n +3
        failed=1
    fi
    if [[ $status -ne $expected_status ]]; then
        echo "$name: exit status $status, expected $expected_status"
        failed=1
    fi
    return $failed
}

# Splits FILE at its separator lines: each piece before one into the array named PIECES, what
# follows the separator on its line into the array named TAILS, what follows the last into LEFT.
split_at_separators() {
    local -n pieces=$2 tails=$3 left=$4
    local line piece=""
    while IFS= read -r line || [[ -n $line ]]; do
        if [[ $line == "$separator"* ]]; then
            pieces+=("$piece") tails+=("${line#"$separator"}") piece=""
        else
            piece+=$line$'\n'
        fi
    done <"$1"
    left=$piece
}

out_file=$(mktemp)
err_file=$(mktemp)
trap 'rm -f "$out_file" "$err_file"' EXIT

if [[ $1 != --one-run ]]; then
    driver=$1
    scenario=$2
    shift 2
    "$driver" "$@" < <(script_of "$scenario") >"$out_file" 2>"$err_file"
    status=$?
    compare "$scenario" "$(cat "$out_file")" "$(cat "$err_file")" "$status"
    exit
fi

driver=$2
shift 2
scenarios=()
while [[ $# -gt 0 && $1 != -- ]]; do
    scenarios+=("$1")
    shift
done
shift

"$driver" "$@" >"$out_file" 2>"$err_file" < <(
    for scenario in "${scenarios[@]}"; do
        script_of "$scenario"
        printf '%s\n' "$separator"
    done
)
driver_status=$?

outs=() statuses=() errs=() nothing=()
split_at_separators "$out_file" outs statuses left_out
split_at_separators "$err_file" errs nothing left_err

failed=0
for i in "${!scenarios[@]}"; do
    if [[ $i -ge ${#statuses[@]} || $i -ge ${#errs[@]} ]]; then
        echo "$(basename "${scenarios[$i]}" .scenario): not played, the driver stopped before it"
        failed=1
        continue
    fi
    # As in the first form, a command substitution drops the trailing line ends.
    compare "${scenarios[$i]}" "$(printf '%s' "${outs[$i]}")" "$(printf '%s' "${errs[$i]}")" \
        "${statuses[$i]}" || failed=1
done
if [[ $driver_status -ne 0 || -n $left_out || -n $left_err ]]; then
    echo "the driver ended with status $driver_status, printing besides the scenarios' output:"
    printf '%s%s' "$left_out" "$left_err"
    failed=1
fi
if [[ $failed -eq 0 ]]; then
    echo "${#scenarios[@]} scenarios played in one run, each as expected"
fi
exit $failed
