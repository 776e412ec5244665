# shellcheck shell=bash
# Sourced by the scripts that build. `quietly COMMAND...` runs a command with its output in a log
# and says nothing when it succeeds; when it fails, it prints the log and the command on standard
# error and returns its status. Ninja prints the compiler's errors on standard output, so a build
# whose output is thrown away fails without a word of why.
quietly() {
    local log status=0
    log=$(mktemp)
    "$@" >"$log" 2>&1 || status=$?
    if [[ $status -ne 0 ]]; then
        cat "$log" >&2
        echo "$0: failed ($status): $*" >&2
    fi
    rm -f "$log"
    return "$status"
}
