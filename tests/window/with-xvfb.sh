#!/usr/bin/env bash
# Runs COMMAND on an X server of its own. Xvfb chooses a free display itself and names it once
# it accepts connections (-displayfd), so two servers started at once never meet on one display
# and nothing connects before the server is up. The server stops when the command ends.
#
# usage: with-xvfb.sh COMMAND...
set -uo pipefail
scratch=$(mktemp -d)
server=""
cleanup() {
    [[ -n $server ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/log" &
server=$!
for _ in $(seq 300); do
    [[ -s $scratch/display ]] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
display=$(tr -d '[:space:]' <"$scratch/display")
[[ -n $display ]] || { cat "$scratch/log"; echo "FAIL: Xvfb did not start"; exit 1; }

DISPLAY=:$display "$@"
