#!/usr/bin/env bash
# Runs COMMAND on an X server of its own. Each server takes a display number drawn at random from
# 100 to 999 that no lock file claims, so that a server never reuses the number of one that is
# still shutting down (whose teardown removes its socket, and with it the new server's), and
# -displayfd makes it name its display only once it accepts connections. A client then has to
# connect before the command runs; otherwise another number is tried. -noreset: by default the
# server resets whenever its last client leaves, and a client that connects just then (the
# program, while the screen-reader test's bus launcher drops its own connection) is refused.
# The screen holds the window at scale factor 2. The server stops when the command ends.
#
# usage: with-xvfb.sh COMMAND...
set -uo pipefail
scratch=$(mktemp -d)
server=""
stop_server() {
    [[ -n $server ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    server=""
}
trap 'stop_server; rm -rf "$scratch"' EXIT

# Starts a server on display $1 and waits until a client can use it.
start_server() {
    local display=$1
    : >"$scratch/display"
    Xvfb ":$display" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$scratch/display" 2>"$scratch/log" &
    server=$!
    for _ in $(seq 300); do
        [[ -s $scratch/display ]] && break
        kill -0 "$server" 2>/dev/null || return 1
        sleep 0.1
    done
    [[ -s $scratch/display ]] && xdpyinfo -display ":$display" >/dev/null 2>&1
}

for _ in $(seq 5); do
    display=$((100 + RANDOM % 900))
    [[ -e /tmp/.X$display-lock ]] && continue
    start_server "$display" && { DISPLAY=:$display "$@"; exit; }
    stop_server
done
cat "$scratch/log"
echo "FAIL: no X server could be started"
exit 1
